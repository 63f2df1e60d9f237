#pragma once

#include "common/Prompts.h"
#include "common/SkinDialog.h"

// A notice, question or error in the program's skin: icon, text and the buttons the caller adds.
class SkinMessageBox final : public SkinDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SkinMessageBox)

public:
    SkinMessageBox(const QString& caption, const QString& text, Prompts::Icon icon, QWidget* parent = nullptr);
};
