#pragma once
// The register screens by class name, for the navigation of the main window and sector screens.
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;
class TDM;

namespace registers {

// The class names createScreen knows.
QStringList screenNames();
// A new window of the named class on the running program's data module (DM), owned by `parent`;
// nullptr when the name is unknown. The caller shows it (modally: exec()) and deletes it.
QDialog *createScreen(const QString &className, QWidget *parent = nullptr);
QDialog *createScreen(const QString &className, TDM &dm, QWidget *parent = nullptr);

} // namespace registers
