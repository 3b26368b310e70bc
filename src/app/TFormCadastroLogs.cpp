#include "app/TFormCadastroLogs.h"

#include "app/Session.h"
#include "app/TDM.h"
#include "app/Workstation.h"
#include "data/TableDataset.h"
#include "seams/Clock.h"
#include "seams/Messages.h"

#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

using registers::Button;
using registers::Field;

TFormCadastroLogs::TFormCadastroLogs(TDM &dm, QWidget *parent)
    : RecordScreen(dm,
                   {.title = QStringLiteral("LOGS"),
                    .header = QStringLiteral("CADASTRO DE LOGS"),
                    .dataset = dm.cds_logs,
                    .keyField = QStringLiteral("ID"),
                    .keyGenerator = QStringLiteral("SP_GEN_LOGS_ID"),
                    .requiredControl = QStringLiteral("dbusuario"),
                    .search = QString(),
                    .variants = QStringLiteral("D"),
                    .dataLink = QStringLiteral("dslogs"),
                    .fixedDialog = true},
                   parent),
      dm_(dm)
{
    setObjectName(QStringLiteral("FormCadastroLogs"));
    // Rows are never edited here: the fields only show the current row.
    for (auto [rotulo, nome, campo] :
         {std::tuple{"Código", "dbid", "ID"}, std::tuple{"Usúario", "dbusuario", "USUARIO"},
          std::tuple{"Data", "dbdata", "DATA"}, std::tuple{"Hora", "dbhora", "HORA"},
          std::tuple{"IP Acesso", "dbip", "IP"}}) {
        const QString field = QString::fromLatin1(campo);
        const Field tipo = field == QLatin1String("DATA")   ? Field::Date
                           : field == QLatin1String("HORA") ? Field::Time
                           : field == QLatin1String("ID")   ? Field::Key
                                                            : Field::Text;
        addField(QString::fromUtf8(rotulo), QString::fromLatin1(nome), field, tipo, field == "ID" ? 8 : 20);
    }
    setGridColumns({{QStringLiteral("USUARIO"), QStringLiteral("Usuário")},
                    {QStringLiteral("IP"), {}},
                    {QStringLiteral("DATA"), {}},
                    {QStringLiteral("HORA"), {}}});

    ip_ = new QLabel(this);
    ip_->setObjectName(QStringLiteral("lblip"));
    ip_->hide();

    // "Novo" is this screen's own; "Alterar" does nothing.
    QPushButton *novo = button(Button::Novo);
    disconnect(novo, &QPushButton::clicked, this, nullptr);
    connect(novo, &QPushButton::clicked, this, &TFormCadastroLogs::SaveLogToDatabase);
    disconnect(button(Button::Editar), &QPushButton::clicked, this, nullptr);

    auto *menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("MainMenu1"));
    QMenu *log = menu->addMenu(QStringLiteral("Log"));
    log->setObjectName(QStringLiteral("Log1"));
    QAction *itemNovo = log->addAction(QStringLiteral("Novo"));
    itemNovo->setObjectName(QStringLiteral("Novo1"));
    connect(itemNovo, &QAction::triggered, this, &TFormCadastroLogs::SaveLogToDatabase);
    layout()->setMenuBar(menu);
}

void TFormCadastroLogs::janelaMostrada()
{
    // The window waits for the echo page; GetIPReal gives up after a few seconds.
    ip_->setText(app::GetIPReal());
}

QString TFormCadastroLogs::ipGuardado() const
{
    return ip_->text();
}

void TFormCadastroLogs::SaveLogToDatabase()
{
    data::TableDataset *logs = dataset();
    const QString erro = QStringLiteral("Erro ao salvar o registro de log: ");
    try {
        const qint64 id = dm_.drawKey(QStringLiteral("SP_GEN_LOGS_ID"));
        logs->insert();
        logs->setValue(QStringLiteral("ID"), fb::Value(id));
        logs->setValue(QStringLiteral("USUARIO"), fb::Value(app::usuarioLogado()));
        logs->setValue(QStringLiteral("DATA"), fb::Value(seams::today()));
        logs->setValue(QStringLiteral("HORA"), fb::Value(fb::Time::fromQTime(seams::now().time())));
        logs->setValue(QStringLiteral("IP"), fb::Value(ip_->text()));
        logs->post();
        // Sent at once, so an audit row is never lost when the program ends; a row the server
        // refuses is given up and reported, not left pending behind a success message.
        const data::ApplyResult r = logs->applyUpdates(0);
        if (!r.ok()) {
            logs->cancelUpdates();
            seams::showMessage(erro + r.reasons.join(QLatin1Char('\n')), this);
            return;
        }
    } catch (const fb::Error &e) {
        if (logs->isEditing())
            logs->cancel();
        seams::showMessage(erro + e.message(), this);
        return;
    } catch (const data::DataError &e) {
        if (logs->isEditing())
            logs->cancel();
        seams::showMessage(erro + e.message(), this);
        return;
    } catch (const fb::ConversionError &e) {
        if (logs->isEditing())
            logs->cancel();
        seams::showMessage(erro + e.message(), this);
        return;
    }
    seams::showMessage(QStringLiteral("Registro de log salvo com sucesso."), this);
}
