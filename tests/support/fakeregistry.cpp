#include "support/fakeregistry.h"

#include <QFile>
#include <algorithm>
#include <cstring>

void FakeRegistry::setValue(const QString &key, const QString &name, const Value &value) {
    m_keys[key.toUpper()][name.toUpper()] = value;
}

void FakeRegistry::setString(const QString &key, const QString &name, const QString &text) {
    setValue(key, name, {registry::StringType, QFile::encodeName(text) + '\0'});
}

bool FakeRegistry::openKey(registry::RootKey root, const QString &path, quint32 access, Key &key) {
    lastAccess = access;
    key = 0;
    if (root != registry::RootKey::LocalMachine || !m_keys.contains(path.toUpper()))
        return false;
    m_open << path.toUpper();
    key = Key(m_open.size());
    ++openKeys;
    return true;
}

bool FakeRegistry::queryValue(Key key, const QString &name, quint32 &type, QByteArray &data,
                              quint32 &size) {
    lastBufferSize = data.size();
    lastBufferAllNul = std::all_of(data.cbegin(), data.cend(), [](char c) { return c == '\0'; });
    if (key == 0 || key > Key(m_open.size()))
        return false;
    const auto values = m_keys.value(m_open.at(qsizetype(key) - 1));
    if (!values.contains(name.toUpper()))
        return false;
    const Value value = values.value(name.toUpper());
    if (value.data.size() > qsizetype(size) || value.data.size() > data.size())
        return false;
    std::memcpy(data.data(), value.data.constData(), size_t(value.data.size()));
    type = value.type;
    size = quint32(value.reportedSize < 0 ? value.data.size() : value.reportedSize);
    return true;
}

void FakeRegistry::closeKey(Key key) {
    if (key != 0)
        --openKeys;
}
