#pragma once

#include "DiceSets.h"
#include "Scoring.h"

#include <array>
#include <cstdint>

// Every category's score of every distinct roll, and the roll's face counts, read once from the
// scoring rules; by roll, so that one roll's numbers lie together. Built once, shared, never
// changed.
struct RollTable
{
    std::array<std::array<double, kCategoryCount>, DiceSets::kRollCount> score{};
    std::array<std::array<std::uint8_t, 8>, DiceSets::kRollCount> faceCount{};

    static const RollTable &instance();

private:
    RollTable();
};
