#pragma once

#include <QFileDevice>
#include <QString>

// A failure that a message shows as a number and a description ("53: File not found").
// The numbers and their descriptions are stable, so users can look them up and tests
// can assert them.
class AppError
{
public:
    enum Number {
        InvalidProcedureCall = 5,
        Overflow = 6,
        SubscriptOutOfRange = 9,
        DivisionByZero = 11,
        TypeMismatch = 13,
        BadFileName = 52,
        FileNotFound = 53,
        DeviceIOError = 57,
        DiskFull = 61,
        InputPastEndOfFile = 62,
        PermissionDenied = 70,
        PathFileAccessError = 75,
        PathNotFound = 76,
        InvalidPropertyValue = 380,
        PrinterError = 482,
    };

    explicit AppError(int number);
    AppError(int number, QString description);

    // The error a failed file operation stands for.
    static AppError fromFile(const QFileDevice& file);

    int number() const { return m_number; }
    QString description() const { return m_description; }
    // The error as a message shows it: the prefix, the number, ": " and the description.
    QString message(const QString& prefix) const;

    // The standard description of an error number; "Application-defined or
    // object-defined error" for numbers without one.
    static QString standardDescription(int number);

private:
    int m_number;
    QString m_description;
};
