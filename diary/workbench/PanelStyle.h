#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QWidget;

// Shared look of the workbench's page panels.
namespace PanelStyle {

// A criteria or field label in the panels' font.
QLabel* fieldLabel(const QString& text, QWidget* parent);
// A command button with its caption under it, at row, column of grid.
void addCommand(QGridLayout* grid, int row, int column, QWidget* button, const QString& caption);

} // namespace PanelStyle
