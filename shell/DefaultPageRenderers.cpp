#include "shell/PageRenderers.h"

PAGERENDERERS DefaultPageRenderers()
{
    // The month, tabular and day builders are bound here as the page
    // renderers of pages/ become part of the program.
    return PAGERENDERERS();
}
