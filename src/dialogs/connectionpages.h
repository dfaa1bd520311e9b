#pragma once

#include "script/objects/connectionstring.h"

#include <QString>
#include <QWidget>

// One back-end's page of the connection dialog, keyed by the provider
// table's key: it shows the fields of a connection string and builds the
// string again from what the user typed.
class ConnectionPage : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Shows `target`'s fields (a target of another provider: empty fields).
    virtual void showTarget(const ConnectionTarget &target) = 0;
    // The string of the fields, with `initial`'s pieces that no field takes
    // written after them when `initial` is of this page's provider (and, for
    // ODBC, of the same form).
    virtual QString connectionString(const ConnectionTarget &initial) const = 0;
};

// A new page for the provider `key`, its controls named as the dialog's
// language section names them; nullptr for a provider without a page.
ConnectionPage *createConnectionPage(const QString &key);
