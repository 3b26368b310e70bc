#include "registers/Screens.h"

#include "registers/TFormAlterarUsuario.h"
#include "registers/TFormCadastroCargo.h"
#include "registers/TFormCadastroCronogramaEscolar.h"
#include "registers/TFormCadastroEscola.h"
#include "registers/TFormCadastroPatrimonio.h"
#include "registers/TFormCadastroPresidente.h"
#include "registers/TFormCadastroSerie.h"
#include "registers/TFormCadastroTurmas.h"
#include "registers/TFormCadastroTurno.h"
#include "registers/TFormCadastroUsuario.h"

#include <functional>
#include <map>

namespace registers {
namespace {

using Factory = std::function<QDialog *(TDM &, QWidget *)>;

template <class T> Factory make()
{
    return [](TDM &dm, QWidget *parent) -> QDialog * { return new T(dm, parent); };
}

const std::map<QString, Factory> &factories()
{
    static const std::map<QString, Factory> all = {
        {QStringLiteral("TFormCadastroSerie"), make<TFormCadastroSerie>()},
        {QStringLiteral("TFormCadastroTurno"), make<TFormCadastroTurno>()},
        {QStringLiteral("TFormCadastroTurmas"), make<TFormCadastroTurmas>()},
        {QStringLiteral("TFormCadastroEscola"), make<TFormCadastroEscola>()},
        {QStringLiteral("TFormCadastroCargo"), make<TFormCadastroCargo>()},
        {QStringLiteral("TFormCadastroPresidente"), make<TFormCadastroPresidente>()},
        {QStringLiteral("TFormCadastroCronogramaEscolar"), make<TFormCadastroCronogramaEscolar>()},
        {QStringLiteral("TFormCadastroPatrimonio"), make<TFormCadastroPatrimonio>()},
        {QStringLiteral("TFormCadastroUsuario"), make<TFormCadastroUsuario>()},
        {QStringLiteral("TFormAlterarUsuario"), make<TFormAlterarUsuario>()},
    };
    return all;
}

} // namespace

QStringList screenNames()
{
    QStringList names;
    for (const auto &[name, f] : factories())
        names << name;
    return names;
}

QDialog *createScreen(const QString &className, TDM &dm, QWidget *parent)
{
    const auto it = factories().find(className);
    return it == factories().end() ? nullptr : it->second(dm, parent);
}

QDialog *createScreen(const QString &className, QWidget *parent)
{
    const auto it = factories().find(className);
    return it == factories().end() ? nullptr : it->second(modulo(), parent);
}

} // namespace registers
