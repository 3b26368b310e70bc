#include "app/Application.h"

#include "data/FilterExpression.h"
#include "fb/Fb.h"
#include "seams/Messages.h"

#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    auto *qt = new QTranslator(this);
    if (qt->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qt);
    if (QFontDatabase::families().contains(QStringLiteral("Liberation Sans")))
        setFont(QFont(QStringLiteral("Liberation Sans"), 9));
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    // The handler stops where the error was raised; the program goes on.
    try {
        return QApplication::notify(receiver, event);
    } catch (const fb::Error &e) {
        seams::showError(e.message());
    } catch (const fb::ConversionError &e) {
        seams::showError(e.message());
    } catch (const data::DataError &e) {
        seams::showError(e.message());
    } catch (const std::exception &e) {
        seams::showError(QString::fromUtf8(e.what()));
    }
    return false;
}
