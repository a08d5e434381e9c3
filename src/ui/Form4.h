#pragma once

#include "ui/ChooserForm.h"

// The skin chooser: applies a skin to the game in progress.
class Form4 : public ChooserForm {
    Q_OBJECT
public:
    explicit Form4(Form1& main);

protected:
    ProgramPath descriptionFile(const QString& name) const override;
    void apply(const QString& name) override;
};
