#pragma once

#include <QString>

#include <string_view>

namespace quorin {

inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A control's object name: its name with the index in brackets ("Option1(3)").
inline QString indexed(std::string_view name, int index)
{
    return QStringLiteral("%1(%2)").arg(qs(name)).arg(index);
}

template <typename Widget> Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace quorin
