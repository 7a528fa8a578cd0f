#include "Quenracopy.h"

rt::Ref<rt::Picture> Quenracopy()
{
    // Never released: later About windows show this same picture without
    // touching the file again.
    static rt::Ref<rt::Picture> pic;
    if (pic)
        return pic;
    auto resources = rt::GetApplicationBundleResources();
    if (!resources)
        return {};
    auto file = resources->Child("Quenra copy.jpg");
    if (!file)
        rt::RaiseNilObjectException();
    // An unreadable file leaves the cache empty, so the next About window tries again.
    pic = file->OpenAsPicture();
    return pic;
}
