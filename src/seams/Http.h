#pragma once
// The HTTP seam: one blocking GET with a time-out, as the window thread needs it.
#include <QByteArray>
#include <QString>

namespace seams {

struct HttpReply {
    bool ok = false;    // a 2xx answer arrived before the time-out
    int status = 0;     // HTTP status, 0 when none arrived
    QByteArray body;
    QString error;      // why it failed
};

class HttpSeam {
public:
    virtual ~HttpSeam() = default;
    virtual HttpReply get(const QString &url, int timeoutMs) = 0;
};

HttpSeam &http();

class ScopedHttp {
public:
    explicit ScopedHttp(HttpSeam *seam);
    ~ScopedHttp();
    ScopedHttp(const ScopedHttp &) = delete;
    ScopedHttp &operator=(const ScopedHttp &) = delete;

private:
    HttpSeam *previous_;
};

} // namespace seams
