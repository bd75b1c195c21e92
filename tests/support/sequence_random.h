// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "platform/random.h"

// Hands out the given draws in order, starting again at the first when they run out.
class SequenceRandom : public RandomSource {
  public:
    explicit SequenceRandom(std::vector<double> draws) : draws_(std::move(draws)) {}
    double next() override {
        const double value = draws_.empty() ? 0.0 : draws_[index_ % draws_.size()];
        ++index_;
        return value;
    }
    std::size_t drawsTaken() const { return index_; }

  private:
    std::vector<double> draws_;
    std::size_t index_ = 0;
};
