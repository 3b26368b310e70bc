#pragma once
// What the report tests share: a throw-away database with the data module over it, schools to
// list, the installation data of the source tree, and the poppler tools that read PDFs back.
#include "TestDatabase.h"
#include "app/InstallationData.h"
#include "app/TDM.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <memory>

class ReportFixture {
public:
    ReportFixture() : dm_(std::make_unique<TDM>(db_.connectAgain()))
    {
        DM = dm_.get();
        installation_.load(QStringLiteral(MIRABELTA_SOURCE_DIR "/installation/installation.json"));
    }
    ~ReportFixture() { DM = nullptr; }
    ReportFixture(const ReportFixture &) = delete;
    ReportFixture &operator=(const ReportFixture &) = delete;

    TDM &dm() { return *dm_; }
    const app::InstallationData &installation() const { return installation_; }

    // Opens the school dataset with `names` as schools 1..n, applied to the server.
    void schools(const QStringList &names)
    {
        auto *ds = dm_->cds_escola;
        ds->open();
        for (int i = 0; i < names.size(); ++i) {
            ds->append();
            ds->setValue(QStringLiteral("ID_ESCOLA"), i + 1);
            ds->setValue(QStringLiteral("ESCOLA"), names[i]);
            ds->setValue(QStringLiteral("CONTATO"),
                         QStringLiteral("(38)99999-%1").arg(i + 1, 4, 10, QLatin1Char('0')));
            ds->setValue(QStringLiteral("EMAIL"), QStringLiteral("escola%1@vargedo.example.org").arg(i + 1));
            ds->setValue(QStringLiteral("ENDERECO"),
                         QStringLiteral("RUA %1, %2").arg(i + 1).arg(10 * (i + 1)));
            ds->setValue(QStringLiteral("RESPONSAVEL"), QStringLiteral("DIRETOR %1").arg(i + 1));
            ds->post();
        }
        ds->applyUpdates(0);
        ds->first();
    }

    static QStringList numbered(const QString &prefix, int count)
    {
        QStringList out;
        for (int i = 1; i <= count; ++i)
            out << QStringLiteral("%1 %2").arg(prefix).arg(i, 2, 10, QLatin1Char('0'));
        return out;
    }

    // Output of a poppler tool on `pdf`; an empty string and `error` set when it cannot run.
    static QString poppler(const QString &tool, const QStringList &args, QString *error)
    {
        const QString exe = QStandardPaths::findExecutable(tool);
        if (exe.isEmpty()) {
            *error = tool + QStringLiteral(" not found: install poppler-utils");
            return {};
        }
        QProcess p;
        p.start(exe, args);
        if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            *error = tool + QStringLiteral(" failed: ") + QString::fromLocal8Bit(p.readAllStandardError());
            return {};
        }
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    // The "Page size" pdfinfo reports, rounded to whole points (A4: 595 x 842).
    static QSize pdfPageSize(const QString &info)
    {
        const auto m = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(info);
        return m.hasMatch() ? QSize(qRound(m.captured(1).toDouble()), qRound(m.captured(2).toDouble()))
                            : QSize();
    }

private:
    TestDatabase db_;
    std::unique_ptr<TDM> dm_;
    app::InstallationData installation_;
};
