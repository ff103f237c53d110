// A registry held in memory, for the About dialog's tests. It behaves like
// the real one: unknown keys and values fail, a value larger than the
// caller's buffer fails, and it counts the keys left open.
#pragma once

#include "platform/registry.h"

#include <QByteArray>
#include <QMap>
#include <QString>

class FakeRegistry : public registry::Registry {
public:
    struct Value {
        quint32 type = 0;
        QByteArray data;
        qint64 reportedSize = -1; // the size handed back; -1: the data's own size
    };

    void setValue(const QString &key, const QString &name, const Value &value);
    void setString(const QString &key, const QString &name, const QString &text); // NUL-terminated

    bool openKey(registry::RootKey root, const QString &path, quint32 access, Key &key) override;
    bool queryValue(Key key, const QString &name, quint32 &type, QByteArray &data,
                    quint32 &size) override;
    void closeKey(Key key) override;

    int openKeys = 0;
    quint32 lastAccess = 0;
    qsizetype lastBufferSize = -1;
    bool lastBufferAllNul = false;

private:
    QMap<QString, QMap<QString, Value>> m_keys; // HKEY_LOCAL_MACHINE only
    QList<QString> m_open;                      // index + 1 is the handle
};
