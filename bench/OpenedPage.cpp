#include "OpenedPage.h"

#include "app/EditorForm.h"
#include "host/SourceEdit.h"

#include <QApplication>

namespace quorlex::bench {

void waitUntilFilled(EditorForm& form)
{
    QApplication::processEvents();
    while (form.editBox().isFilling())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace quorlex::bench
