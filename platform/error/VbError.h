// The run-time error object of the platform layers: a number, a source and a description.
#pragma once
#include <QString>
#include <stdexcept>

class VbError : public std::runtime_error {
public:
    VbError(long number, QString source, QString description)
        : std::runtime_error(description.toStdString()), number_(number), source_(std::move(source)),
          description_(std::move(description)) {}
    long number() const { return number_; }
    const QString& source() const { return source_; }
    const QString& description() const { return description_; }

private:
    long number_;
    QString source_;
    QString description_;
};

// Description of any caught exception, for log lines and added message texts.
inline QString errorDescription(const std::exception& e) {
    if (auto* v = dynamic_cast<const VbError*>(&e))
        return v->description();
    return QString::fromUtf8(e.what());
}
