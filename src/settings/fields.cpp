#include "settings/fields.h"

namespace tessaro::settings {

const Field *fieldWithOption(const QString &option) {
    for (const Field &f : Fields)
        if (f.option && option == QLatin1String(f.option))
            return &f;
    return nullptr;
}

} // namespace tessaro::settings
