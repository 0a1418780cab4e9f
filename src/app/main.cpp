#include "RunEditor.h"
#include "platform/StandardDescriptors.h"

int main(int argc, char* argv[])
{
    // Before the display connection opens: it must not take the number of a closed stderr, or
    // the first warning would be written into it.
    quandrel::platform::openClosedStandardDescriptors();
    return quandrel::runEditor(argc, argv);
}
