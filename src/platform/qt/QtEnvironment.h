#pragma once

#include "platform/Services.h"

namespace platform {

class QtEnvironment : public Environment {
  public:
    Version version() const override;
    std::string programFolder() const override;
    void setCurrentDirectory(const std::string& folder) override;
    void quit() override;
};

} // namespace platform
