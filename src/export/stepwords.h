#pragma once
// The words of the exported plan's steps, in the program's language: how a carton lies,
// where a block starts and how its cartons are stacked, said as a loader needs them.

#include <cstdint>
#include <string>

// "立放，长边沿箱长" / "upright, long side along the container": which edge stands up and
// which runs along the container; "未知" / "unknown" for a code outside 0-5.
std::string orientationWords(std::int32_t orientation);
// "距里端 1240 mm，距左壁 0 mm，离地 800 mm" for the point (x, y, z).
std::string positionWords(double x, double y, double z);
// "沿箱宽 3 × 沿箱高 2 × 沿箱长 4 = 24 个位置".
std::string arrangementWords(std::int32_t nx, std::int32_t ny, std::int32_t nz);
