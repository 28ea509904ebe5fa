#pragma once

#include "common/user_prompt.h"

class QWidget;

// Message and confirmation boxes over a parent window.
class QtUserPrompt : public varnel::UserPrompt {
  public:
    explicit QtUserPrompt(QWidget* parent) : parent_(parent) {}

    void message(const std::string& text) override;
    bool confirm(const std::string& text) override;

  private:
    QWidget* parent_;
};
