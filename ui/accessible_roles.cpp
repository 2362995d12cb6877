#include "ui/accessible_roles.h"

#include "ui/click_label.h"
#include "ui/teilerwerk_window.h"

#include <QAccessibleWidget>

#include <mutex>

namespace teilerwerk {
namespace {

// A label that calculates when clicked is, to a screen reader, a button: pressing it runs the click.
class AccessibleClickLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickLabel(ClickLabel* label) : QAccessibleWidget(label, QAccessible::Button) { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return Label()->text();
        }
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }

    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            Label()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    ClickLabel* Label() const { return static_cast<ClickLabel*>(widget()); }
};

QAccessibleInterface* AccessibleRoleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String(ClickLabel::staticMetaObject.className())) {
        return new AccessibleClickLabel(static_cast<ClickLabel*>(object));
    }
    // A plain top-level QWidget would be announced as a mere filler.
    if (className == QLatin1String(Teilerwerk::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleRoles()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(AccessibleRoleFor); });
}

}  // namespace teilerwerk
