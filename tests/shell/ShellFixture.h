#pragma once
// A throw-away database with one user per level (and a few awkward ones), its data module as the
// running program's DM, the installation data of the source tree, a station log in a temporary
// folder, a fixed clock, and "terminate" recorded instead of ending the test.
#include "TestDatabase.h"
#include "app/Installation.h"
#include "app/Navigation.h"
#include "app/TDM.h"
#include "app/TFormPrincipal.h"
#include "app/TFrm_login.h"
#include "app/Terminate.h"
#include "seams/Clock.h"
#include "seams/Http.h"
#include "seams/Messages.h"
#include "seams/Shell.h"

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// An echo page that answers at once with a fixed body, or fails.
class FakeHttp : public seams::HttpSeam {
public:
    bool ok = true;
    QByteArray body = "203.0.113.9\n";
    QStringList urls;
    QList<int> timeouts;
    seams::HttpReply get(const QString &url, int timeoutMs) override
    {
        urls << url;
        timeouts << timeoutMs;
        seams::HttpReply r;
        r.ok = ok;
        r.status = ok ? 200 : 0;
        r.body = ok ? body : QByteArray();
        r.error = ok ? QString() : QStringLiteral("Host unreachable");
        return r;
    }
};

struct ShellFixture {
    QTemporaryDir dir;
    TestDatabase db;
    std::unique_ptr<TDM> dm;
    app::InstallationData inst;
    std::unique_ptr<app::ScopedInstallation> instGuard;
    seams::FixedClock clock{QDateTime(QDate(2024, 3, 5), QTime(10, 0, 0))};
    int terminou = 0;
    app::ScopedTerminate terminate{[this] { ++terminou; }};
    seams::RecordingMessages mensagens;
    seams::ScopedMessages mensagensGuard{&mensagens};
    seams::RecordingShell shell;
    seams::ScopedShell shellGuard{&shell};
    FakeHttp http;
    seams::ScopedHttp httpGuard{&http};

    ShellFixture()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        qputenv("MIRABELTA_STATION_LOG", dir.filePath("MeuLog.log").toUtf8());
        if (!inst.load(QStringLiteral(MIRABELTA_SOURCE_DIR "/installation/installation.json")))
            qFatal("installation data: %s", qPrintable(inst.errorString()));
        instGuard = std::make_unique<app::ScopedInstallation>(inst);
        int id = 0;
        auto usuario = [&](const QString &nome, const QString &login, const QString &senha, int nivel) {
            db.attachment().executeOnce(
                "insert into ACESSO (ID_SENHA, NOME, USUARIO, SENHA, NIVEL) values (?, ?, ?, ?, ?)",
                {fb::Value(qint64(++id)), fb::Value(nome), fb::Value(login), fb::Value(senha),
                 fb::Value(qint64(nivel))});
        };
        for (int nivel = 1; nivel <= 10; ++nivel)
            usuario(QStringLiteral("USUARIO DE NIVEL %1").arg(nivel), QStringLiteral("NIVEL%1").arg(nivel),
                    QStringLiteral("1234"), nivel);
        usuario(QStringLiteral("COM ASPAS"), QStringLiteral("ASPAS"), QStringLiteral("A'B"), 5);
        usuario(QStringLiteral("EM MINUSCULAS"), QStringLiteral("minusc"), QStringLiteral("x"), 10);
        dm = std::make_unique<TDM>(db.connectAgain());
        DM = dm.get();
    }
    ~ShellFixture()
    {
        app::Navigation::liberarReutilizadas();
        DM = nullptr;
    }

    struct Tentativa {
        bool aceito = false;       // the login window closed
        QString usuarioDigitado;   // what the user box held before "Login"
        bool caixasVazias = false; // both boxes empty afterwards
    };

    // Opens the login window from the main window as "Login" does, types the user (key by key)
    // and the password, and presses "Login".
    static Tentativa entrar(TFormPrincipal &principal, const QString &usuario, const QString &senha)
    {
        Tentativa t;
        app::Navigation::ScopedExibidor exibidor([&](QWidget *tela) {
            auto *login = qobject_cast<TFrm_login *>(tela);
            if (!login)
                return;
            auto *u = login->findChild<QLineEdit *>(QStringLiteral("edtusuario"));
            auto *s = login->findChild<QLineEdit *>(QStringLiteral("edtsenha"));
            QTest::keyClicks(u, usuario);
            s->setText(senha);
            t.usuarioDigitado = u->text();
            login->findChild<QPushButton *>(QStringLiteral("btn1"))->click();
            t.aceito = login->result() == QDialog::Accepted;
            t.caixasVazias = u->text().isEmpty() && s->text().isEmpty();
        });
        principal.Login1Click();
        return t;
    }
};
