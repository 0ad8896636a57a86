#pragma once

#include <QString>

// The exam mode that travels in the windows' Tag.
enum ExamMode { StudyRun = 1, MockExam = 2 };

// The vehicle-class groups: each has its own count column in sort and its own class label.
namespace vehicleclass {

constexpr int kGroups = 3;

// "C1、C2、C3、C4", "A2、B2", "A1、A3、B1".
QString groupName(int group);
// "考试车型：C1", "考试车型：A2", "考试车型：A1".
QString classLabel(int group);

} // namespace vehicleclass
