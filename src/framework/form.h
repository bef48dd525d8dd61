#pragma once
// TForm: the form class the program's windows derive from.

#include "framework/custom_form.h"

namespace quendar {

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}

    std::string ClassName() const override { return "TForm"; }
};

}  // namespace quendar
