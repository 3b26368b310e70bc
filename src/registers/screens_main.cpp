// Opens one register screen on the database of config.ini beside the program, for developers:
//   mirabelta-screens TFormCadastroSerie [--login USUARIO SENHA]
#include "app/Application.h"
#include "app/TDM.h"
#include "fb/Fb.h"
#include "registers/Screens.h"
#include "seams/Messages.h"

#include <QDialog>
#include <QTextStream>
#include <memory>

int main(int argc, char **argv)
{
    Application application(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    QTextStream err(stderr);
    if (args.isEmpty() || !registers::screenNames().contains(args.first())) {
        err << "uso: mirabelta-screens <tela> [--login USUARIO SENHA]\ntelas: "
            << registers::screenNames().join(QLatin1Char(' ')) << '\n';
        return 2;
    }
    std::unique_ptr<TDM> dm;
    try {
        dm = std::make_unique<TDM>(QCoreApplication::applicationDirPath());
    } catch (const fb::Error &e) {
        seams::showError(e.message());
        return 1;
    }
    DM = dm.get();
    int result = 0;
    {
        // A login as the login window would leave it, for the screens that read the current user.
        const int at = int(args.indexOf(QStringLiteral("--login")));
        if (at > 0 && at + 2 < int(args.size())) {
            dm->CDSlogin->setParam(QStringLiteral("nome"), fb::Value(args[at + 1]));
            dm->CDSlogin->setParam(QStringLiteral("senha"), fb::Value(args[at + 2]));
            dm->CDSlogin->open();
        }
        std::unique_ptr<QDialog> screen(registers::createScreen(args.first(), *dm));
        result = screen->exec();
    }
    DM = nullptr;
    return result == QDialog::Accepted || result == QDialog::Rejected ? 0 : result;
}
