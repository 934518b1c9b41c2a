// Sets environment variables for a test's lifetime and puts back what was there before.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class ScopedEnvironment {
public:
  ScopedEnvironment(std::initializer_list<const char*> names, const std::string& value) {
    for (const char* name : names) {
      const char* old = std::getenv(name);
      m_saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
      setenv(name, value.c_str(), 1);
    }
  }
  ~ScopedEnvironment() {
    for (const auto& [name, old] : m_saved) {
      if (old) setenv(name.c_str(), old->c_str(), 1);
      else unsetenv(name.c_str());
    }
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
  std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};
