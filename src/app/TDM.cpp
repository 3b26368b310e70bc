#include "app/TDM.h"

#include "app/ConfigIni.h"
#include "data/KeyGenerator.h"

#include <QDir>

TDM *DM = nullptr;

struct TDM::Spec {
    const char *query, *provider, *cached, *table, *sql;
    const char *sort = "";
    bool filtered = false;
    const char *key = "";
};

TDM::TDM(const QString &configDir, QObject *parent) : QObject(parent)
{
    // Read once, before connecting; an empty value is simply left out.
    const fb::ConnectParams params =
        app::readConnectionSettings(QDir(configDir).filePath(QStringLiteral("config.ini")));
    conexao_ = fb::Attachment::connect(params);
    createDatasets();
}

TDM::TDM(std::unique_ptr<fb::Attachment> connection, QObject *parent)
    : QObject(parent), conexao_(std::move(connection))
{
    createDatasets();
}

TDM::~TDM()
{
    // Datasets go before the connection they read from.
    qDeleteAll(all_);
    all_.clear();
}

data::TableDataset *TDM::make(const Spec &s)
{
    auto *ds = new data::TableDataset(QString::fromUtf8(s.cached), QString::fromUtf8(s.table),
                                      QString::fromUtf8(s.sql));
    ds->setConnection(conexao_.get());
    ds->setLockTimeout(kLockTimeoutSeconds);
    ds->setIndexFieldNames(QString::fromUtf8(s.sort));
    ds->setFiltered(s.filtered);
    ds->setKeyField(QString::fromUtf8(s.key));
    all_ << ds;
    for (const char *n : {s.query, s.provider, s.cached})
        byName_.insert(QString::fromUtf8(n).toLower(), ds);
    return ds;
}

void TDM::createDatasets()
{
    CDSlogin = make({"SDSlogin", "DSPlogin", "CDSlogin", "ACESSO",
                     "select * from acesso where USUARIO = :nome and SENHA = :senha"});
    CdsUsuario =
        make({"SqlUsuario", "DspUsuario", "CdsUsuario", "ACESSO", "select * from ACESSO", "USUARIO"});
    cdspresidente = make({"sqlpresidente", "provpresidente", "cdspresidente", "PRESIDENTE",
                          "select * from PRESIDENTE", "", true, "CODIGO_PRESIDENTE"});
    cdsaluno = make({"sqlaluno", "provaluno", "cdsaluno", "ENCAMINHAMENTO", "select * from ENCAMINHAMENTO",
                     "DATA_ATENDIMENTO", true, "CODIGO"});
    cdsvagas =
        make({"sqlvagas", "provvagas", "cdsvagas", "VAGAS", "select * from VAGAS", "", true, "VAGA_CODIGO"});
    cdsvagas->addAggregate(QStringLiteral("qtdv"), QStringLiteral("sum(qtd_vagas)"));
    cdsvagas->addAggregate(QStringLiteral("qtq"), QStringLiteral("sum(q_mat_1)"));
    cds_patrimonio = make(
        {"sql_patrimonio", "prov_patrimonio", "cds_patrimonio", "PATRIMONIO", "select * from PATRIMONIO"});
    cds_funcionario = make({"sql_funcionario", "prov_funcionario", "cds_funcionario", "FUNCIONARIO",
                            "select * from FUNCIONARIO", "NOME", false, "ID"});
    cds_controle_transp = make({"sql_controle_transp", "prov_controle_transp", "cds_controle_transp",
                                "C_TRANSPORTE", "select * from C_TRANSPORTE", "NOME_ALUNO", false, "ID"});
    cds_turno = make({"sql_turno", "prov_turno", "cds_turno", "TURNO", "select * from TURNO"});
    cds_serie = make({"sql_serie", "prov_serie", "cds_serie", "SERIE", "select * from SERIE"});
    cds_cad_cronograma_escolar =
        make({"sql_cad_cronograma_escolar", "prov_cad_cronograma_escolar", "cds_cad_cronograma_escolar",
              "CAD_ESCOLAR_CRON", "select * from CAD_ESCOLAR_CRON"});
    cds_cad_escolar_anual =
        make({"sql_cad_escolar_anual", "prov_cad_escolar_anual", "cds_cad_escolar_anual", "CAD_ESCOLAR_ANUAL",
              "select * from CAD_ESCOLAR_ANUAL", "", false, "CODIGO"});
    // Read from the server at every open: no local copy of the student register is kept.
    cds_aluno_geral = make({"sql_aluno_geral", "prov_aluno_geral", "cds_aluno_geral", "ALUNOS_GERAL",
                            "select *  from ALUNOS_GERAL", "NOME", false, "ID"});
    cds_turmas =
        make({"sql_turmas", "prov_turmas", "cds_turmas", "TURMAS", "select * from TURMAS", "", false, "ID"});
    cdscabeca = make(
        {"sqlcabeca", "dspcabeca", "cdscabeca", "ENTURMACAO", "select * from ENTURMACAO", "", false, "ID"});
    // Details travel with their master row: all of them are read with the master and each
    // master row shows those whose ID is its own (the "where id =:id" of the detail query).
    cdscorpo = make({"sqlcorpo", "sqlcorpo_prov", "cdscorpo", "ENTURMACAO_DETALHES",
                     "select * from  ENTURMACAO_DETALHES"});
    cdscorpo->setMaster(cdscabeca, QStringLiteral("ID"), QStringLiteral("ID"));
    cdscorpo->addAggregate(QStringLiteral("qtd"), QStringLiteral("count(id)"));
    cds_escola = make({"sql_escola", "prov_escola", "cds_escola", "ESCOLA", "select * from ESCOLA", "ESCOLA",
                       false, "ID_ESCOLA"});
    cds_logs = make({"sql_logs", "prov_logs", "cds_logs", "LOGS", "select * from LOGS"});
    cds_rh_freq = make({"sql_rh_freq", "prov_rh_freq", "cds_rh_freq", "RH_FREQ", "select * from RH_FREQ"});
    cds_rh_freq_cabeca = make({"sql_rh_freq_cabeca", "dsp_rh_freq_cabeca", "cds_rh_freq_cabeca",
                               "RH_FREQ_CABECA", "select * from RH_FREQ_CABECA", "", false, "ID"});
    cds_rh_freq_corpo = make({"sql_rh_freq_corpo", "sql_rh_freq_corpo_prov", "cds_rh_freq_corpo",
                              "RH_FREQ_CORPO", "select *  from RH_FREQ_CORPO"});
    cds_rh_freq_corpo->setMaster(cds_rh_freq_cabeca, QStringLiteral("ID"), QStringLiteral("ID"));
    cds_folha = make({"sql_folha", "prov_folha", "cds_folha", "FOLHA", "select * from FOLHA"});
    cds_cargo = make({"sql_cargo", "prov_cargo", "cds_cargo", "CARGO", "select * from CARGO"});
    cds_equipe_tec = make(
        {"sql_equipe_tec", "prov_equipe_Tec", "cds_equipe_tec", "SPEDAGOGICO", "select * from SPEDAGOGICO"});
}

qint64 TDM::drawKey(const QString &generator)
{
    return data::drawKey(*conexao_, generator);
}

data::TableDataset *TDM::dataset(const QString &name) const
{
    auto *ds = byName_.value(name.toLower());
    if (!ds)
        throw data::DataError(QStringLiteral("Dataset '%1' não existe no módulo de dados").arg(name));
    return ds;
}
