#include "seams/Http.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace seams {
namespace {

class RealHttp : public HttpSeam {
public:
    HttpReply get(const QString &url, int timeoutMs) override
    {
        QNetworkAccessManager manager;
        QNetworkRequest request{QUrl(url)};
        request.setTransferTimeout(timeoutMs);
        QNetworkReply *reply = manager.get(request);
        QEventLoop loop;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, reply, &QNetworkReply::abort);
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        guard.start(timeoutMs);
        // Only network events are handled meanwhile: no user input reaches the windows.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        HttpReply r;
        r.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        r.body = reply->readAll();
        r.ok = reply->error() == QNetworkReply::NoError && r.status >= 200 && r.status < 300;
        if (!r.ok)
            r.error = reply->errorString();
        reply->deleteLater();
        return r;
    }
};

HttpSeam *&current()
{
    static RealHttp real;
    static HttpSeam *seam = &real;
    return seam;
}

} // namespace

HttpSeam &http() { return *current(); }

ScopedHttp::ScopedHttp(HttpSeam *seam) : previous_(current())
{
    if (seam)
        current() = seam;
}
ScopedHttp::~ScopedHttp() { current() = previous_; }

} // namespace seams
