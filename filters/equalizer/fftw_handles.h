// Move-only owners of FFTW's aligned arrays and plans.
#pragma once

#include <fftw3.h>

#include <cstddef>
#include <cstdint>
#include <utility>

namespace eq {

template <typename T>
class FftwArray {
 public:
  FftwArray() = default;
  // Null when the size does not fit in memory or the allocation fails.
  explicit FftwArray(std::size_t count) {
    if (count != 0 && count <= SIZE_MAX / sizeof(T)) data_ = static_cast<T*>(fftw_malloc(count * sizeof(T)));
  }
  FftwArray(FftwArray&& other) noexcept : data_(std::exchange(other.data_, nullptr)) {}
  FftwArray& operator=(FftwArray&& other) noexcept {
    if (this != &other) {
      reset();
      data_ = std::exchange(other.data_, nullptr);
    }
    return *this;
  }
  FftwArray(const FftwArray&) = delete;
  FftwArray& operator=(const FftwArray&) = delete;
  ~FftwArray() { reset(); }

  void reset() {
    if (data_) fftw_free(data_);
    data_ = nullptr;
  }
  T* get() const { return data_; }
  explicit operator bool() const { return data_ != nullptr; }

 private:
  T* data_ = nullptr;
};

class FftwPlan {
 public:
  FftwPlan() = default;
  explicit FftwPlan(fftw_plan plan) : plan_(plan) {}
  FftwPlan(FftwPlan&& other) noexcept : plan_(std::exchange(other.plan_, nullptr)) {}
  FftwPlan& operator=(FftwPlan&& other) noexcept {
    if (this != &other) {
      reset();
      plan_ = std::exchange(other.plan_, nullptr);
    }
    return *this;
  }
  FftwPlan(const FftwPlan&) = delete;
  FftwPlan& operator=(const FftwPlan&) = delete;
  ~FftwPlan() { reset(); }

  void reset() {
    if (plan_) fftw_destroy_plan(plan_);
    plan_ = nullptr;
  }
  fftw_plan get() const { return plan_; }
  explicit operator bool() const { return plan_ != nullptr; }

 private:
  fftw_plan plan_ = nullptr;
};

}  // namespace eq
