#include "widgets/accessibility.h"

#include "widgets/pressable.h"
#include "widgets/twips_window.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QMetaClassInfo>

namespace {

class PressableInterface : public QAccessibleWidget {
public:
    PressableInterface(QWidget* widget, Pressable& pressable)
        : QAccessibleWidget(widget, QAccessible::Button), pressable_(pressable) {}

    QString text(QAccessible::Text kind) const override {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) {
            if (const auto* label = qobject_cast<const QLabel*>(widget())) {
                text = label->text();
            }
        }
        return text;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        // A picture without a name only decorates.
        if (text(QAccessible::Name).isEmpty()) {
            state.invisible = true;
        }
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            pressable_.press();
        }
    }

private:
    Pressable& pressable_;
};

// The role a class declares, known from the class, so right from a screen
// reader's first question.
QAccessible::Role declaredRole(const QWidget& widget, QAccessible::Role otherwise) {
    const QMetaObject* type = widget.metaObject();
    const int index = type->indexOfClassInfo("accessibleRole");
    if (index < 0) {
        return otherwise;
    }
    const char* role = type->classInfo(index).value();
    return qstrcmp(role, "alert") == 0   ? QAccessible::AlertMessage
           : qstrcmp(role, "image") == 0 ? QAccessible::Graphic
                                         : otherwise;
}

QAccessibleInterface* presentation(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) {
        return nullptr;
    }
    if (auto* pressable = dynamic_cast<Pressable*>(widget)) {
        return new PressableInterface(widget, *pressable);
    }
    const bool window = widget->isWindow() && qobject_cast<TwipsWindow*>(widget);
    const QAccessible::Role role =
        declaredRole(*widget, window ? QAccessible::Window : QAccessible::NoRole);
    if (role != QAccessible::NoRole) {
        return new QAccessibleWidget(widget, role);
    }
    return nullptr;
}

} // namespace

void Accessibility::install() {
    static const bool installed = [] {
        QAccessible::installFactory(presentation);
        return true;
    }();
    (void)installed;
}
