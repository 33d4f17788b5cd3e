#pragma once
// The window's texts in the user's language: Tr (services/translation.h) as a QString.

#include "services/translation.h"

#include <QString>

namespace velka {

inline QString TrQ(const char* context, const char* source) {
    return QString::fromStdString(Tr(context, source));
}
inline QString TrQ(UiText text) {
    return QString::fromStdString(Tr(text));
}

}  // namespace velka
