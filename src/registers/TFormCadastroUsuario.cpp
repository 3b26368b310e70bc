#include "registers/TFormCadastroUsuario.h"

#include "app/TDM.h"
#include "widgets/DBGrid.h"

TFormCadastroUsuario::TFormCadastroUsuario(TDM &dm, QWidget *parent)
    : RecordScreen(dm,
                   {.title = QStringLiteral("SME - CADASTRO DE USUARIO"),
                    .header = QStringLiteral("CADASTRO DE USUÁRIOS"),
                    .dataset = dm.CdsUsuario,
                    .keyField = QStringLiteral("ID_SENHA"),
                    .keyGenerator = QStringLiteral("SP_GEN_USUARIO_ID"),
                    .requiredControl = QStringLiteral("dbnome"),
                    .search = QStringLiteral("usuario like "),
                    .variants = QStringLiteral("E, X"),
                    .dataLink = QStringLiteral("dsusuario")},
                   parent)
{
    using registers::Field;
    addField(QStringLiteral("Código"), QStringLiteral("dbid"), QStringLiteral("ID_SENHA"), Field::Key, 8);
    addField(QStringLiteral("Nome do Usúario"), QStringLiteral("dbnome"), QStringLiteral("NOME"),
             Field::UpperCase, 40);
    newFieldRow();
    addField(QStringLiteral("Usúario"), QStringLiteral("dbusuario"), QStringLiteral("USUARIO"),
             Field::UpperCase, 20);
    addField(QStringLiteral("Senha"), QStringLiteral("dbsenha"), QStringLiteral("SENHA"), Field::Password,
             20);
    QStringList niveis;
    for (int i = 1; i <= 10; ++i)
        niveis << QString::number(i);
    // Offered 1 to 10; another typed level is stored as typed.
    addPickList(QStringLiteral("Nível de Acesso"), QStringLiteral("combonivel"), QStringLiteral("NIVEL"),
                niveis, true, 6);
    setGridColumns({{QStringLiteral("USUARIO"), QStringLiteral("Usuário")},
                    {QStringLiteral("NIVEL"), QStringLiteral("Nível")},
                    {QStringLiteral("SENHA"), {}}});
    // Passwords stay hidden in the grid as in the field.
    grid()->setMaskedColumn(QStringLiteral("SENHA"), QLatin1Char('#'));
}
