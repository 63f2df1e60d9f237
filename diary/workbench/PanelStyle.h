#pragma once

#include <QString>

class QGridLayout;
class QIcon;
class QLabel;
class QWidget;

// Shared look of the workbench's page panels.
namespace PanelStyle {

// A criteria or field label in the panels' font.
QLabel* fieldLabel(const QString& text, QWidget* parent);
// A command button with its caption under it, at row, column of grid.
void addCommand(QGridLayout* grid, int row, int column, QWidget* button, const QString& caption);

// The arrow of a box that drops down, like the arrows of the panels' drop-down lists.
QIcon dropArrow();

} // namespace PanelStyle
