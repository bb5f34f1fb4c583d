#include <gtest/gtest.h>

#include <QAction>
#include <QDesignerFormEditorInterface>
#include <QDesignerTaskMenuExtension>
#include <QExtensionManager>
#include <QPluginLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <memory>

namespace {

// Qt Designer's side of the plugin: only what its public interfaces show.
class DesignerCore : public QDesignerFormEditorInterface {
 public:
  DesignerCore() { setExtensionManager(new QExtensionManager(this)); }
};

TEST(DesignerPluginTest, OffersThePortComponentWithItsVerb) {
  QPluginLoader loader(QStringLiteral(SPEEDCONF_DESIGNER_PLUGIN));
  auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
  ASSERT_NE(collection, nullptr) << loader.errorString().toStdString();

  const QList<QDesignerCustomWidgetInterface*> widgets = collection->customWidgets();
  ASSERT_EQ(widgets.size(), 1);
  QDesignerCustomWidgetInterface* port = widgets[0];
  EXPECT_EQ(port->group(), "Communications");
  EXPECT_EQ(port->name(), "TPortControlIcon");
  EXPECT_TRUE(port->domXml().contains(R"(displayname="TPortControl")"));
  EXPECT_FALSE(port->isContainer());

  DesignerCore core;
  port->initialize(&core);
  EXPECT_TRUE(port->isInitialized());
  // Made for Qt Designer's own use the icon shows; on a form outside a form editor, as in a
  // preview, the form looks as the running program's does.
  std::unique_ptr<QWidget> icon(port->createWidget(nullptr));
  icon->show();
  EXPECT_TRUE(icon->isVisible());
  QWidget preview;
  QWidget* hidden = port->createWidget(&preview);
  preview.show();
  EXPECT_FALSE(hidden->isVisible());

  auto* menu = qt_extension<QDesignerTaskMenuExtension*>(core.extensionManager(), icon.get());
  ASSERT_NE(menu, nullptr);
  ASSERT_FALSE(menu->taskActions().isEmpty());
  EXPECT_EQ(menu->taskActions()[0]->text(), "&About TPortControl ...");
  EXPECT_NE(menu->preferredEditAction(), nullptr);
}

}  // namespace
