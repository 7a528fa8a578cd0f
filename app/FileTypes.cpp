#include "FileTypes.h"

#include <string>

namespace FileTypes {

rt::Ref<rt::FileType> pPizi;
rt::Ref<rt::FileType> pTodolo;
rt::Ref<rt::FileType> pAbcd;

namespace {

void Make(rt::Ref<rt::FileType>& property, const char* name, const char* extensions, const char* type,
          const char* creator)
{
    property = rt::Ref<rt::FileType>(std::make_shared<rt::FileType>());
    property->SetName(name);
    property->SetExtensions(extensions);
    property->SetMacType(type);
    property->SetMacCreator(creator);
    const std::string registered = property->ToString();
    (void)registered;
}

} // namespace

void Initialize()
{
    Make(pPizi, "pizi", ".jfif;.jpe;.jpeg;.jpg", "JPEG", "prvw");
    Make(pTodolo, "todolo", ".mp3;.swa", "Mp3 ", "TVOD");
    Make(pAbcd, "abcd",
         ".asc;.ascii;.bas;.c;.class;.cp;.cpp;.h;.hp;.hpp;.i3;.java;.m2;.m3;.mak;.text;.txt", "TEXT", "????");
}

void Release()
{
    pPizi.Clear();
    pTodolo.Clear();
    pAbcd.Clear();
}

} // namespace FileTypes
