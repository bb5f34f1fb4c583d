#include "portcontrol/streaming.h"

#include <QMetaEnum>
#include <QMetaProperty>

#include "portcontrol/component.h"

namespace {

// QObject's own properties (objectName) are not published.
int firstPublished() { return QObject::staticMetaObject.propertyCount(); }

bool isPublishedObject(const QMetaProperty& property) {
  return property.metaType().flags().testFlag(QMetaType::PointerToQObject);
}

void collect(const QObject& object, const QString& prefix, QList<StoredProperty>& out) {
  const QMetaObject& meta = *object.metaObject();
  for (int i = firstPublished(); i < meta.propertyCount(); ++i) {
    const QMetaProperty property = meta.property(i);
    const QString name = prefix + QString::fromLatin1(property.name());
    const QVariant value = property.read(&object);
    if (isPublishedObject(property)) {
      if (const QObject* child = value.value<QObject*>()) collect(*child, name + '.', out);
      continue;
    }
    if (property.isEnumType()) {
      const QMetaEnum enumeration = property.enumerator();
      const int number = value.toInt();
      if (number != enumeration.value(0)) {
        out.append({name, QString::fromLatin1(enumeration.valueToKey(number))});
      }
      continue;
    }
    // The default of every other type is its value-initialised one: 0, false, empty text.
    if (value != QVariant(value.metaType())) out.append({name, value});
  }
}

// Sets every published property of `object` (and of its published objects) to its default.
void resetToDefaults(QObject& object) {
  const QMetaObject& meta = *object.metaObject();
  for (int i = firstPublished(); i < meta.propertyCount(); ++i) {
    const QMetaProperty property = meta.property(i);
    if (isPublishedObject(property)) {
      if (QObject* child = property.read(&object).value<QObject*>()) resetToDefaults(*child);
    } else if (property.isWritable()) {
      property.write(&object, property.isEnumType() ? QVariant(property.enumerator().value(0))
                                                    : QVariant(property.metaType()));
    }
  }
}

}  // namespace

bool restoreProperties(QObject& object, const QList<StoredProperty>& stored) {
  resetToDefaults(object);
  bool allTaken = true;
  for (const StoredProperty& property : stored) {
    allTaken = restoreProperty(object, property.name, property.value) && allTaken;
  }
  return allTaken;
}

QList<StoredProperty> storedProperties(const QObject& object) {
  QList<StoredProperty> out;
  collect(object, QString(), out);
  return out;
}

bool restoreProperty(QObject& object, const QString& name, const QVariant& value) {
  QObject* target = &object;
  const QStringList path = name.split('.');
  for (qsizetype i = 0; i + 1 < path.size(); ++i) {
    target = target->property(path[i].toLatin1().constData()).value<QObject*>();
    if (target == nullptr) return false;
  }
  const QMetaObject& meta = *target->metaObject();
  const int index = meta.indexOfProperty(path.last().toLatin1().constData());
  if (index < firstPublished()) return false;
  const QMetaProperty property = meta.property(index);
  if (!property.isWritable() || isPublishedObject(property)) return false;
  if (property.isEnumType() && value.typeId() == QMetaType::QString) {
    bool known = false;
    const int number = property.enumerator().keyToValue(value.toString().toLatin1().constData(), &known);
    return known && property.write(target, number);
  }
  return property.write(target, value);
}
