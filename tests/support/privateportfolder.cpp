#include "support/privateportfolder.h"

#include <QFile>

PrivatePortFolder::PrivatePortFolder() {
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
}
