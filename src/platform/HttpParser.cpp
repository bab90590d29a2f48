#include "platform/HttpParser.h"

namespace {

bool Token(const QByteArray& text) {
    if (text.isEmpty()) {
        return false;
    }
    for (const char c : text) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                        (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == '!' ||
                        c == '#' || c == '$' || c == '%' || c == '&' || c == '\'' || c == '*' ||
                        c == '+' || c == '^' || c == '`' || c == '|' || c == '~';
        if (!ok) {
            return false;
        }
    }
    return true;
}

} // namespace

QByteArray ParsedRequest::Header(const QByteArray& lowerName) const {
    for (const auto& [name, value] : Headers) {
        if (name == lowerName) {
            return value;
        }
    }
    return {};
}

int ParsedRequest::Count(const QByteArray& lowerName) const {
    int n = 0;
    for (const auto& header : Headers) {
        n += header.first == lowerName;
    }
    return n;
}

HttpParser::Result HttpParser::Next() {
    if (waitingForBody_) {
        if (buffer_.size() < bodyLength_) {
            return {};
        }
        Result done;
        done.Request = std::move(waitingForBody_);
        waitingForBody_.reset();
        done.Request->Body = buffer_.left(bodyLength_);
        buffer_.remove(0, bodyLength_);
        bodyLength_ = 0;
        return done;
    }
    // Empty lines before a request are allowed and skipped.
    while (buffer_.startsWith("\r\n")) {
        buffer_.remove(0, 2);
        scanned_ = 0;
    }
    const qsizetype headEnd = buffer_.indexOf("\r\n\r\n", std::max<qsizetype>(0, scanned_ - 3));
    if (headEnd < 0) {
        // A head of bare line feeds would never end: it is refused now, not when its time is up.
        for (qsizetype i = scanned_; i < buffer_.size(); ++i) {
            if (buffer_[i] == '\n' && (i == 0 || buffer_[i - 1] != '\r')) {
                return {std::nullopt, 400};
            }
        }
        scanned_ = buffer_.size();
        const qsizetype lineEnd = buffer_.indexOf("\r\n");
        if ((lineEnd < 0 && buffer_.size() > MaxRequestLine) || lineEnd > MaxRequestLine ||
            buffer_.size() > MaxHead) {
            return {std::nullopt, 431};
        }
        return {};
    }
    if (headEnd > MaxHead) {
        return {std::nullopt, 431};
    }
    return ParseHead(headEnd);
}

HttpParser::Result HttpParser::ParseHead(qsizetype headEnd) {
    const QList<QByteArray> lines = buffer_.left(headEnd).split('\n');
    ParsedRequest request;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (!line.endsWith('\r') && i + 1 < lines.size()) {
            return {std::nullopt, 400}; // a bare LF
        }
        line.chop(line.endsWith('\r') ? 1 : 0);
        if (line.contains('\r') || line.contains('\0')) {
            return {std::nullopt, 400};
        }
        if (i == 0) {
            if (line.size() > MaxRequestLine) {
                return {std::nullopt, 431};
            }
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() != 3 || !Token(parts[0]) || !parts[1].startsWith('/')) {
                return {std::nullopt, 400};
            }
            if (parts[2] != "HTTP/1.1" && parts[2] != "HTTP/1.0") {
                return {std::nullopt, 505};
            }
            request.Method = parts[0];
            request.Target = parts[1];
            request.CloseAfter = parts[2] == "HTTP/1.0";
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        // A header folded onto the next line, or a name with spaces, is how smuggling starts.
        if (colon <= 0 || !Token(line.left(colon))) {
            return {std::nullopt, 400};
        }
        request.Headers.append({line.left(colon).toLower(), line.mid(colon + 1).trimmed()});
    }
    const QByteArray connection = request.Header("connection").toLower();
    if (connection.contains("close")) {
        request.CloseAfter = true;
    } else if (connection.contains("keep-alive")) {
        request.CloseAfter = false;
    }
    const bool noBody = request.Method == "GET" || request.Method == "HEAD";
    if (request.Count("transfer-encoding") > 0) {
        return {std::nullopt, noBody ? 400 : 411};
    }
    qint64 length = 0;
    if (const int lengths = request.Count("content-length"); lengths > 1) {
        return {std::nullopt, 400};
    } else if (lengths == 1) {
        const QByteArray value = request.Header("content-length");
        bool ok = !value.isEmpty();
        for (const char c : value) {
            ok = ok && c >= '0' && c <= '9';
        }
        length = ok && value.size() <= 9 ? value.toLongLong() : -1;
        if (length < 0) {
            return {std::nullopt, 400};
        }
    }
    if ((noBody && length > 0) || length > MaxBody) {
        return {std::nullopt, 413};
    }
    buffer_.remove(0, headEnd + 4);
    scanned_ = 0;
    if (length > 0) {
        waitingForBody_ = std::move(request);
        bodyLength_ = length;
        return Next();
    }
    Result done;
    done.Request = std::move(request);
    return done;
}
