#include "component_widget.h"

#include <QDesignerFormWindowInterface>
#include <QIcon>

namespace designerplugin {

ComponentWidget::ComponentWidget(
    const StandIn& standIn, QString page,
    std::function<void(QDesignerFormEditorInterface*)> initializeDesigner, QObject* parent)
    : QObject(parent),
      standIn_(standIn),
      page_(std::move(page)),
      initializeDesigner_(std::move(initializeDesigner)) {}

QString ComponentWidget::componentName() const {
  return QString::fromLatin1(standIn_.componentClass->className());
}

QString ComponentWidget::name() const { return standIn_.widgetClass; }

QString ComponentWidget::group() const { return page_; }

QString ComponentWidget::toolTip() const {
  return tr("%1 (not visible at run time)").arg(componentName());
}

QString ComponentWidget::whatsThis() const {
  return tr("The non-visual component %1. On the form it shows as an icon; the running program "
            "creates the component and shows nothing.")
      .arg(componentName());
}

QString ComponentWidget::includeFile() const { return standIn_.includeFile; }

QIcon ComponentWidget::icon() const { return QIcon(standIn_.glyph(24)); }

bool ComponentWidget::isContainer() const { return false; }

QWidget* ComponentWidget::createWidget(QWidget* parent) {
  TComponentIcon* icon = standIn_.create(parent);
  // On a form being edited the icon shows; in a preview the form is as the program shows it.
  icon->setDesignTime(parent == nullptr ||
                      QDesignerFormWindowInterface::findFormWindow(parent) != nullptr);
  return icon;
}

bool ComponentWidget::isInitialized() const { return initialized_; }

void ComponentWidget::initialize(QDesignerFormEditorInterface* core) {
  if (initialized_) return;
  initializeDesigner_(core);
  initialized_ = true;
}

QString ComponentWidget::domXml() const {
  // The widget box shows the component's name; a new one is named as the component model
  // names it: the class without its T, numbered from 1.
  return QStringLiteral(
             R"(<ui language="c++" displayname="%1"><widget class="%2" name="%3"/></ui>)")
      .arg(componentName(), standIn_.widgetClass, componentName().mid(1) + QLatin1Char('1'));
}

}  // namespace designerplugin
