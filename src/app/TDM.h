#pragma once
// The data module: the one database connection and, for every table, its shared table dataset.
#include "data/TableDataset.h"
#include "fb/Fb.h"

#include <QHash>
#include <QObject>
#include <memory>

class TDM : public QObject {
    Q_OBJECT
public:
    // Opens the connection from config.ini in `configDir` (the program's folder); throws fb::Error
    // with the server's message when it cannot connect.
    explicit TDM(const QString &configDir, QObject *parent = nullptr);
    // Uses a connection made elsewhere (tests).
    explicit TDM(std::unique_ptr<fb::Attachment> connection, QObject *parent = nullptr);
    ~TDM() override;

    fb::Attachment &conexao() { return *conexao_; }
    // Draws a key from SP_GEN_<name>_ID.
    qint64 drawKey(const QString &generator);
    // A dataset by any of its three names (server query, provider or cached dataset).
    data::TableDataset *dataset(const QString &name) const;
    QList<data::TableDataset *> datasets() const { return all_; }

    // How long an apply waits for a row another workstation holds.
    static constexpr int kLockTimeoutSeconds = 10;

    data::TableDataset *CDSlogin = nullptr;
    data::TableDataset *CdsUsuario = nullptr;
    data::TableDataset *cdspresidente = nullptr;
    data::TableDataset *cdsaluno = nullptr;
    data::TableDataset *cdsvagas = nullptr;
    data::TableDataset *cds_patrimonio = nullptr;
    data::TableDataset *cds_funcionario = nullptr;
    data::TableDataset *cds_controle_transp = nullptr;
    data::TableDataset *cds_turno = nullptr;
    data::TableDataset *cds_serie = nullptr;
    data::TableDataset *cds_cad_cronograma_escolar = nullptr;
    data::TableDataset *cds_cad_escolar_anual = nullptr;
    data::TableDataset *cds_aluno_geral = nullptr;
    data::TableDataset *cds_turmas = nullptr;
    data::TableDataset *cdscabeca = nullptr;
    data::TableDataset *cdscorpo = nullptr;
    data::TableDataset *cds_escola = nullptr;
    data::TableDataset *cds_logs = nullptr;
    data::TableDataset *cds_rh_freq = nullptr;
    data::TableDataset *cds_rh_freq_cabeca = nullptr;
    data::TableDataset *cds_rh_freq_corpo = nullptr;
    data::TableDataset *cds_folha = nullptr;
    data::TableDataset *cds_cargo = nullptr;
    data::TableDataset *cds_equipe_tec = nullptr;

private:
    struct Spec;
    void createDatasets();
    data::TableDataset *make(const Spec &spec);

    std::unique_ptr<fb::Attachment> conexao_;
    QList<data::TableDataset *> all_;
    QHash<QString, data::TableDataset *> byName_;
};

// The one data module of the running program (set by start-up).
extern TDM *DM;
