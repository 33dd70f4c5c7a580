#pragma once

#include <exception>

namespace solvara {

// A solve that found no equilibrium: no convergence within the update limit,
// no solution volume, or a value that is not a number on the way.
class pHCalculationError : public std::exception {
  public:
    const char* what() const noexcept override { return "the pH could not be calculated"; }
};

}  // namespace solvara
