#include "mainform/controlfilekind.h"

namespace quorin {

ControlFileKind controlFileKind(std::string_view frequencyCase, bool excludeStaticImprovement)
{
    if (frequencyCase == "-")
        return ControlFileKind::StaticOnly;
    return excludeStaticImprovement ? ControlFileKind::DynamicOnly : ControlFileKind::DynamicStatic;
}

std::string_view controlFileKindName(ControlFileKind kind)
{
    switch (kind) {
    case ControlFileKind::StaticOnly:
        return "static only";
    case ControlFileKind::DynamicOnly:
        return "dynamic without static improvement";
    case ControlFileKind::DynamicStatic:
        return "dynamic with static improvement";
    }
    return {};
}

} // namespace quorin
