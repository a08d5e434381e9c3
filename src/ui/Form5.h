#pragma once

#include "ui/ChooserForm.h"

// The category chooser: settles the category left and starts a game in the
// chosen one.
class Form5 : public ChooserForm {
    Q_OBJECT
public:
    explicit Form5(Form1& main);

protected:
    ProgramPath descriptionFile(const QString& name) const override;
    void apply(const QString& name) override;
};
