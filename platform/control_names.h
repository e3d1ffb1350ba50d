#pragma once
// Object names of controls: a control is found by its given name, an element
// of a control array by "name(index)".

#include <QLatin1String>
#include <QString>

namespace platform {

/** The name of element `index` of a control array: "chb_nil(1)". */
inline QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

/** Gives a control its object name and hands it back, for use in construction. */
template <typename W> W* named(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

} // namespace platform
