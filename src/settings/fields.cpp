#include "settings/fields.h"

namespace tessaro::settings {

const Field *fieldWithOption(const QString &option) {
    for (const Field &f : Fields)
        if (f.option && option == QLatin1String(f.option))
            return &f;
    return nullptr;
}

std::vector<FieldChange> fieldChanges(const BlockValues &before, const BlockValues &after) {
    std::vector<FieldChange> changes;
    for (const Field &f : Fields)
        if (before.*f.member != after.*f.member)
            changes.push_back({&f, before.*f.member, after.*f.member});
    return changes;
}

QString fileUnitsChange(const FieldChange &change) {
    return QStringLiteral("%1 %2 \u2192 %3")
        .arg(QLatin1String(change.field->key))
        .arg(change.before)
        .arg(change.after);
}

QStringList changeTexts(const std::vector<FieldChange> &changes, const ChangeWords &words) {
    QStringList texts;
    for (const FieldChange &c : changes)
        texts << words(c);
    return texts;
}

} // namespace tessaro::settings
