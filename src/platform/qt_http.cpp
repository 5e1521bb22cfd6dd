#include "platform/qt_http.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int maxRedirects = 5;

bool isWebUrl(const QUrl& url) {
    return url.isValid() && (url.scheme() == "http" || url.scheme() == "https") &&
           !url.host().isEmpty();
}

// A finished reply carries a whole answer when the transfer itself went
// well; an HTTP error status still brings a whole page with it.
bool completeAnswer(const QNetworkReply& reply, bool acceptErrorPages) {
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid()) {
        return false;
    }
    if (reply.error() == QNetworkReply::NoError) {
        const int code = status.toInt();
        return acceptErrorPages || (code >= 200 && code < 300);
    }
    // Errors from 201 up stem from the server's status; lower ones are
    // connection failures, cancellations and cut-off transfers.
    return acceptErrorPages && reply.error() >= QNetworkReply::ContentAccessDenied &&
           reply.error() != QNetworkReply::ProtocolFailure;
}

} // namespace

QtHttp::QtHttp(Limits text, Limits bytes) : text_(text), bytes_(bytes) {
    manager_.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

std::optional<std::string> QtHttp::getText(const std::string& url) {
    return get(url, text_, true);
}

std::optional<std::string> QtHttp::getBytes(const std::string& url) {
    return get(url, bytes_, false);
}

std::optional<std::string> QtHttp::get(const std::string& address, const Limits& limits,
                                       bool acceptErrorPages) {
    const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
    if (!isWebUrl(url)) {
        return std::nullopt;
    }
    QNetworkRequest request(url);
    request.setMaximumRedirectsAllowed(maxRedirects);
    request.setTransferTimeout(limits.silenceMs);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);

    ++executing_;
    QNetworkReply* reply = manager_.get(request);
    QByteArray body;
    bool tooLarge = false;
    bool late = false;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);

    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        body += reply->readAll();
        if (body.size() > limits.maxBytes) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64, qint64 total) {
        // An announced size over the cap is refused before it arrives.
        if (total > limits.maxBytes && !tooLarge) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        late = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(limits.deadlineMs);
    if (!reply->isFinished()) {
        loop.exec();
    }
    deadline.stop();
    if (reply->isOpen()) {
        body += reply->readAll();
    }
    const bool whole = !tooLarge && !late && body.size() <= limits.maxBytes &&
                       completeAnswer(*reply, acceptErrorPages);
    reply->deleteLater();
    --executing_;
    if (!whole) {
        return std::nullopt;
    }
    return body.toStdString();
}
