#pragma once

#include <QObject>
#include <QString>

// The class-library bases of the component: an object whose published properties stream, and
// a component with an owner, a name and a tag. Published properties are Q_PROPERTYs; the owner
// is the QObject parent, so an owner frees what it owns.
class TPersistent : public QObject {
  Q_OBJECT

 public:
  explicit TPersistent(QObject* parent = nullptr) : QObject(parent) {}
};

class TComponent : public TPersistent {
  Q_OBJECT
  Q_PROPERTY(QString Name READ Name WRITE SetName)
  Q_PROPERTY(int Tag READ Tag WRITE SetTag)

 public:
  explicit TComponent(TComponent* AOwner = nullptr) : TPersistent(AOwner) {}

  TComponent* Owner() const { return qobject_cast<TComponent*>(parent()); }
  QString Name() const { return objectName(); }
  void SetName(const QString& name) { setObjectName(name); }
  int Tag() const { return FTag; }
  void SetTag(int tag) { FTag = tag; }

 private:
  int FTag = 0;
};
