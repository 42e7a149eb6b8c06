// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preview/MediaFormats.h"

namespace sw::MediaFormats {

const QStringList &mediaFormat()
{
    static const QStringList list{
        QStringLiteral("mp4"),   QStringLiteral("mpeg4"), QStringLiteral("mpg4"),   QStringLiteral("avi"),
        QStringLiteral("3gp"),   QStringLiteral("rmvb"),  QStringLiteral("rm"),     QStringLiteral("wmv"),
        QStringLiteral("mkv"),   QStringLiteral("mpeg"),  QStringLiteral("mpg"),    QStringLiteral("mpeg1"),
        QStringLiteral("mpg1"),  QStringLiteral("mpeg2"), QStringLiteral("mpg2"),   QStringLiteral("vob"),
        QStringLiteral("mov"),   QStringLiteral("swf"),   QStringLiteral("flv"),    QStringLiteral("f4v"),
        QStringLiteral("drc"),   QStringLiteral("dsm"),   QStringLiteral("dsa"),    QStringLiteral("dss"),
        QStringLiteral("ifo"),   QStringLiteral("d2v"),   QStringLiteral("fli"),    QStringLiteral("flc"),
        QStringLiteral("lic"),   QStringLiteral("ivf"),   QStringLiteral("mpe"),    QStringLiteral("mtv"),
        QStringLiteral("m1v"),   QStringLiteral("m2v"),   QStringLiteral("mpv2"),   QStringLiteral("mp2v"),
        QStringLiteral("ts"),    QStringLiteral("tp"),    QStringLiteral("tpr"),    QStringLiteral("pva"),
        QStringLiteral("pss"),   QStringLiteral("m4v"),   QStringLiteral("m4p"),    QStringLiteral("m4b"),
        QStringLiteral("3gpp"),  QStringLiteral("3g2"),   QStringLiteral("3gp2"),   QStringLiteral("ogm"),
        QStringLiteral("qt"),    QStringLiteral("amr"),   QStringLiteral("ratdvd"), QStringLiteral("rt"),
        QStringLiteral("dvd"),   QStringLiteral("smi"),   QStringLiteral("smil"),   QStringLiteral("amv"),
        QStringLiteral("dmv"),   QStringLiteral("navi"),  QStringLiteral("ra"),     QStringLiteral("ram"),
        QStringLiteral("rpm"),   QStringLiteral("roq"),   QStringLiteral("smk"),    QStringLiteral("bik"),
        QStringLiteral("wpm"),   QStringLiteral("wm"),    QStringLiteral("asf"),    QStringLiteral("asx"),
        QStringLiteral("m3u"),   QStringLiteral("pls"),   QStringLiteral("wvx"),    QStringLiteral("wax"),
        QStringLiteral("wmx"),   QStringLiteral("mpcpl"),
    };
    return list;
}

const QStringList &musicFormat()
{
    static const QStringList list{
        QStringLiteral("mp3"),  QStringLiteral("wma"),  QStringLiteral("flac"),      QStringLiteral("aac"),
        QStringLiteral("mmf"),  QStringLiteral("amr"),  QStringLiteral("m4a"),       QStringLiteral("ogg"),
        QStringLiteral("wav"),  QStringLiteral("wave"), QStringLiteral("wavpack"),   QStringLiteral("au"),
        QStringLiteral("cd"),   QStringLiteral("wmv"),  QStringLiteral("ra"),        QStringLiteral("mpc"),
        QStringLiteral("ape"),  QStringLiteral("ac3"),  QStringLiteral("mpa"),       QStringLiteral("m1a"),
        QStringLiteral("m2a"),  QStringLiteral("mid"),  QStringLiteral("midi"),      QStringLiteral("rmi"),
        QStringLiteral("mka"),  QStringLiteral("dts"),  QStringLiteral("cda"),       QStringLiteral("snd"),
        QStringLiteral("aif"),  QStringLiteral("aifc"), QStringLiteral("aiff"),      QStringLiteral("ofr"),
        QStringLiteral("realaudio"), QStringLiteral("vqf"), QStringLiteral("ava"),   QStringLiteral("sc4"),
        QStringLiteral("msc"),  QStringLiteral("vy1"),  QStringLiteral("vy2"),       QStringLiteral("vy3"),
        QStringLiteral("vy4"),  QStringLiteral("rec"),  QStringLiteral("dvf"),       QStringLiteral("act"),
    };
    return list;
}

bool isPlayable(const QString &type)
{
    const QString lower = type.toLower();
    return mediaFormat().contains(lower) || musicFormat().contains(lower);
}

}  // namespace sw::MediaFormats
