#include "comm/DownloadSelection.h"

DownloadSelection &DownloadSelection::current()
{
    static DownloadSelection selection;
    return selection;
}
