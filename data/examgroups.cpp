#include "examgroups.h"

#include <QStringList>

namespace vehicleclass {

QString groupName(int group)
{
    static const QStringList names = {QStringLiteral("C1、C2、C3、C4"), QStringLiteral("A2、B2"),
                                      QStringLiteral("A1、A3、B1")};
    return names.value(group);
}

QString classLabel(int group)
{
    static const QStringList labels = {QStringLiteral("考试车型：C1"),
                                       QStringLiteral("考试车型：A2"),
                                       QStringLiteral("考试车型：A1")};
    return labels.value(group);
}

} // namespace vehicleclass
