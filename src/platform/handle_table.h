#pragma once
// Numbered handles for objects the platform layer hands out (icons, drawing contexts, loaded
// modules). A handle is a plain number, 0 is "none"; a stale or unknown handle finds nothing, so
// releasing one twice or releasing 0 is harmless.

#include <cstdint>
#include <map>
#include <utility>

namespace quarven::platform {

template <class T>
class HandleTable {
 public:
  std::uintptr_t add(T object) {
    const std::uintptr_t handle = next_++;
    objects_.emplace(handle, std::move(object));
    return handle;
  }
  T* find(std::uintptr_t handle) {
    const auto it = objects_.find(handle);
    return it == objects_.end() ? nullptr : &it->second;
  }
  bool remove(std::uintptr_t handle) { return objects_.erase(handle) > 0; }

 private:
  std::map<std::uintptr_t, T> objects_;
  std::uintptr_t next_ = 1;
};

}  // namespace quarven::platform
