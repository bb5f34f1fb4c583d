#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

// Streaming of published properties, as a form resource holds them: a property is stored only
// when it differs from its default (0, false, the first enumerator, empty text); a published
// object is stored through its own properties ("Timeout.ReadTotalTimeoutConstant").
// Enumerations are stored by their enumerator's name.
struct StoredProperty {
  QString name;
  QVariant value;
  friend bool operator==(const StoredProperty&, const StoredProperty&) = default;
};

// The stored properties of `object`, in declaration order (base class first).
QList<StoredProperty> storedProperties(const QObject& object);

// Gives `object` the state that `stored` describes: every published property not in it goes to
// its streaming default first, so that a value stored as absent (DTR_DISABLE, a time-out of 0)
// does not come back as the constructor's value. False when an entry does not fit.
bool restoreProperties(QObject& object, const QList<StoredProperty>& stored);

// Sets one stored property back, by its dotted name; false when the name leads to no writable
// property or the value does not fit it.
bool restoreProperty(QObject& object, const QString& name, const QVariant& value);
