#include "OpenedPage.h"

#include "app/EditorForm.h"

#include <QApplication>

namespace quorlex::bench {

void waitUntilFilled(EditorForm& /*form*/)
{
    QApplication::processEvents();
}

} // namespace quorlex::bench
