#include "platform/qt_http.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <memory>

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

QtHttp::QtHttp(Limits text, Limits bytes, Limits later)
    : text_(text), bytes_(bytes), later_(later) {
    manager_.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

std::optional<std::string> QtHttp::getText(const std::string& url) {
    return get(url, text_, true);
}

std::optional<std::string> QtHttp::getBytes(const std::string& url) {
    return get(url, bytes_, false);
}

void QtHttp::getBytesLater(const std::string& url, Done done) {
    start(url, later_, false, std::move(done));
}

std::optional<std::string> QtHttp::get(const std::string& address, const Limits& limits,
                                       bool acceptErrorPages) {
    // The call's state is shared with the reply: when the program quits,
    // the loop ends before the answer, and the reply, aborted, must then
    // find its call still there.
    struct Call {
        std::optional<std::string> answer;
        bool finished = false;
        QEventLoop loop;
    };
    auto call = std::make_shared<Call>();
    const QPointer<QNetworkReply> reply =
        start(address, limits, acceptErrorPages, [call](std::optional<std::string> body) {
            call->answer = std::move(body);
            call->finished = true;
            call->loop.quit();
        });
    if (!call->finished) {
        call->loop.exec();
    }
    if (!call->finished) {
        if (reply) {
            reply->abort();
        }
        return std::nullopt;
    }
    return std::move(call->answer);
}

QNetworkReply* QtHttp::start(const std::string& address, const Limits& limits,
                             bool acceptErrorPages, Done done) {
    const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
    if (!isWebUrl(url)) {
        done(std::nullopt);
        return nullptr;
    }
    QNetworkRequest request(url);
    request.setMaximumRedirectsAllowed(maxRedirects);
    request.setTransferTimeout(limits.silenceMs);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);

    ++executing_;
    QNetworkReply* reply = manager_.get(request);
    struct Transfer {
        QByteArray body;
        bool tooLarge = false;
        bool late = false;
    };
    auto transfer = std::make_shared<Transfer>();
    // The deadline goes with the reply.
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);

    QObject::connect(reply, &QNetworkReply::readyRead, reply, [=] {
        transfer->body += reply->readAll();
        if (transfer->body.size() > limits.maxBytes) {
            transfer->tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [=](qint64, qint64 total) {
        // An announced size over the cap is refused before it arrives.
        if (total > limits.maxBytes && !transfer->tooLarge) {
            transfer->tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(deadline, &QTimer::timeout, reply, [=] {
        transfer->late = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [=, this, done = std::move(done)] {
        deadline->stop();
        if (reply->isOpen()) {
            transfer->body += reply->readAll();
        }
        const bool whole = !transfer->tooLarge && !transfer->late &&
                           transfer->body.size() <= limits.maxBytes &&
                           completeAnswer(*reply, acceptErrorPages);
        reply->deleteLater();
        --executing_;
        done(whole ? std::optional<std::string>(transfer->body.toStdString()) : std::nullopt);
    });
    deadline->start(limits.deadlineMs);
    return reply;
}
