<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CoreTexts</name>
    <message>
        <location filename="../src/app/coretexts.cpp" line="15"/>
        <source>Converting...</source>
        <translation>Wird umgewandelt...</translation>
    </message>
    <message>
        <location filename="../src/app/coretexts.cpp" line="16"/>
        <source>Converting %1 of %2 file(s) to %3...</source>
        <translation>Datei %1 von %2 wird in %3 umgewandelt...</translation>
    </message>
    <message>
        <location filename="../src/app/coretexts.cpp" line="17"/>
        <source>Converting %1...%2%</source>
        <translation>%1 wird umgewandelt... %2 %</translation>
    </message>
    <message>
        <location filename="../src/app/coretexts.cpp" line="18"/>
        <source>Converting %1...</source>
        <translation>%1 wird umgewandelt...</translation>
    </message>
    <message>
        <location filename="../src/app/coretexts.cpp" line="19"/>
        <source>Conversion Failure</source>
        <translation>Umwandlung fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../src/app/coretexts.cpp" line="20"/>
        <source>Conversion Failure (%1)</source>
        <translation>Umwandlung fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <location filename="../src/app/coretexts.cpp" line="21"/>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <location filename="../src/app/coretexts.cpp" line="22"/>
        <source>%1 (cover picture over 16 MiB left out)</source>
        <translation>%1 (Coverbild über 16 MiB weggelassen)</translation>
    </message>
    <message>
        <location filename="../src/app/coretexts.cpp" line="23"/>
        <source>%1 (%2 pictures over 16 MiB left out)</source>
        <translation>%1 (%2 Bilder über 16 MiB weggelassen)</translation>
    </message>
    <message>
        <location filename="../src/app/coretexts.cpp" line="24"/>
        <source>Failure. Requires file &quot;ct4mgm.sf2&quot;.</source>
        <translation>Fehler. Die Datei „ct4mgm.sf2“ wird benötigt.</translation>
    </message>
    <message>
        <location filename="../src/app/coretexts.cpp" line="25"/>
        <source>Failed to load the following files.

%1
If you think Tonewright should read these files, please report them as the help page &quot;Feedback and Support&quot; describes.</source>
        <translation>Die folgenden Dateien konnten nicht geladen werden.

%1
Wenn Tonewright diese Dateien lesen können sollte, melden Sie sie bitte, wie es die Hilfeseite „Rückmeldung und Hilfe“ beschreibt.</translation>
    </message>
    <message>
        <location filename="../src/app/coretexts.cpp" line="28"/>
        <source>Failed to load the following files.

%1
%2</source>
        <translation>Die folgenden Dateien konnten nicht geladen werden.

%1
%2</translation>
    </message>
    <message>
        <location filename="../src/app/coretexts.cpp" line="29"/>
        <source>Dear user, WMA file requires Windows Media Format 9 Series Runtime.
Unfortunately, the component isn&apos;t available on your computer.

Do you want to download and install it now?</source>
        <translation>WMA-Dateien benötigen die Windows Media Format 9 Series Runtime.
Diese Komponente ist auf Ihrem Computer leider nicht vorhanden.

Möchten Sie sie jetzt herunterladen und installieren?</translation>
    </message>
    <message>
        <location filename="../src/app/coretexts.cpp" line="33"/>
        <source>Dear user, to decode MIDI file, file &quot;ct4mgm.sf2&quot; is required.
Unfortunately, the file isn&apos;t available on your computer.

Do you want to download the file from our website for free now?

Once download completes, please copy the file to folder:
&quot;%1&quot;
And then convert your MIDI file again. Thank you.</source>
        <translation>Zum Dekodieren von MIDI-Dateien wird die Datei „ct4mgm.sf2“ benötigt.
Diese Datei ist auf Ihrem Computer leider nicht vorhanden.

Möchten Sie die Datei jetzt kostenlos von unserer Website herunterladen?

Kopieren Sie die Datei nach dem Herunterladen bitte in den Ordner:
„%1“
Und wandeln Sie Ihre MIDI-Datei dann erneut um. Vielen Dank.</translation>
    </message>
</context>
<context>
    <name>FileLoader</name>
    <message>
        <location filename="../src/app/fileloader.cpp" line="46"/>
        <source>Searching files...</source>
        <translation>Dateien werden gesucht...</translation>
    </message>
    <message>
        <location filename="../src/app/fileloader.cpp" line="103"/>
        <source>Adding file %1 of %2...</source>
        <translation>Datei %1 von %2 wird hinzugefügt...</translation>
    </message>
</context>
<context>
    <name>FlacPage</name>
    <message>
        <location filename="../src/app/options/flacpage.cpp" line="29"/>
        <source>Fastest (level 0, larger file)</source>
        <translation>Am schnellsten (Stufe 0, größere Datei)</translation>
    </message>
    <message>
        <location filename="../src/app/options/flacpage.cpp" line="30"/>
        <source>Standard (level 5)</source>
        <translation>Standard (Stufe 5)</translation>
    </message>
    <message>
        <location filename="../src/app/options/flacpage.cpp" line="31"/>
        <source>Smallest file (level 8, slowest)</source>
        <translation>Kleinste Datei (Stufe 8, am langsamsten)</translation>
    </message>
</context>
<context>
    <name>FormatPages</name>
    <message>
        <location filename="../src/app/options/formatpages.cpp" line="48"/>
        <source>%1 Options</source>
        <translation>%1-Optionen</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="40"/>
        <source>(1 = one after the other; this computer has %1 processor %2)</source>
        <translation>(1 = nacheinander; dieser Computer hat %1 %2)</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="43"/>
        <source>core</source>
        <translation>Prozessorkern</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="44"/>
        <source>cores</source>
        <translation>Prozessorkerne</translation>
    </message>
</context>
<context>
    <name>OpenFilters</name>
    <message>
        <location filename="../src/base/filetypes.cpp" line="16"/>
        <source>3GPP Files (*.3gp *.3gpp)</source>
        <translation>3GPP-Dateien (*.3gp *.3gpp)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="17"/>
        <source>3GPP2 Files (*.3g2 *.3gp2)</source>
        <translation>3GPP2-Dateien (*.3g2 *.3gp2)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="18"/>
        <source>Adobe Flash Files (*.swf)</source>
        <translation>Adobe Flash-Dateien (*.swf)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="19"/>
        <source>Advanced Audio Coding (*.aac)</source>
        <translation>Advanced Audio Coding (*.aac)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="20"/>
        <source>AIFF Files (*.aiff *.aif *.aifc *.afc)</source>
        <translation>AIFF-Dateien (*.aiff *.aif *.aifc *.afc)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="21"/>
        <source>AMR Files (*.amr *.awb)</source>
        <translation>AMR-Dateien (*.amr *.awb)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="22"/>
        <source>AU Files (*.au *.snd)</source>
        <translation>AU-Dateien (*.au *.snd)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="23"/>
        <source>AVI Files (*.avi)</source>
        <translation>AVI-Dateien (*.avi)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="24"/>
        <source>CD Audio (*.cda)</source>
        <translation>CD-Audio (*.cda)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="25"/>
        <source>Creative Voice Files (*.voc)</source>
        <translation>Creative-Voice-Dateien (*.voc)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="26"/>
        <source>CRI ADX Files (*.adx)</source>
        <translation>CRI ADX-Dateien (*.adx)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="27"/>
        <source>Dolby Digital AC-3 (*.ac3)</source>
        <translation>Dolby Digital AC-3 (*.ac3)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="28"/>
        <source>DTS Files (*.dts)</source>
        <translation>DTS-Dateien (*.dts)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="29"/>
        <source>DV Video Files (*.dv *.dif)</source>
        <translation>DV-Videodateien (*.dv *.dif)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="30"/>
        <source>DVD Video Files (*.vob *.dvd)</source>
        <translation>DVD-Videodateien (*.vob *.dvd)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="31"/>
        <source>Electronic Arts CDATA Files (*.cdata)</source>
        <translation>Electronic Arts CDATA-Dateien (*.cdata)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="32"/>
        <source>Flash Video Files (*.flv)</source>
        <translation>Flash-Videodateien (*.flv)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="33"/>
        <source>Free Lossless Audio Codec (*.flac *.fla)</source>
        <translation>Free Lossless Audio Codec (*.flac *.fla)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="34"/>
        <source>H.264/MPEG4 AVC Video (*.m2ts *.mts)</source>
        <translation>H.264/MPEG4-AVC-Video (*.m2ts *.mts)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="35"/>
        <source>Matroska Files (*.mkv *.mka)</source>
        <translation>Matroska-Dateien (*.mkv *.mka)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="36"/>
        <source>Microsoft Digital Video Recording (*.dvr-ms)</source>
        <translation>Microsoft Digital Video Recording (*.dvr-ms)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="37"/>
        <source>MIDI Files (*.midi *.mid *.rmi *.kar)</source>
        <translation>MIDI-Dateien (*.midi *.mid *.rmi *.kar)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="38"/>
        <source>MJPEG Video Files (*.mjpg *.mjpeg)</source>
        <translation>MJPEG-Videodateien (*.mjpg *.mjpeg)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="39"/>
        <source>MMF Files (*.mmf)</source>
        <translation>MMF-Dateien (*.mmf)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="40"/>
        <source>MOD Musics (*.mod *.xm *.it *.s3m *.mtm *.umx *.mo3)</source>
        <translation>MOD-Musik (*.mod *.xm *.it *.s3m *.mtm *.umx *.mo3)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="41"/>
        <source>Monkey&apos;s Audio (*.ape *.mac)</source>
        <translation>Monkey&apos;s Audio (*.ape *.mac)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="42"/>
        <source>MP3 Files (*.mp3)</source>
        <translation>MP3-Dateien (*.mp3)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="43"/>
        <source>MPEG Audio Files (*.mpa *.mpga *.m2a)</source>
        <translation>MPEG-Audiodateien (*.mpa *.mpga *.m2a)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="44"/>
        <source>MPEG Video Files (*.mpg *.mpe *.mpeg *.m1v *.mp2 *.m2v *.mp1 *.mlv)</source>
        <translation>MPEG-Videodateien (*.mpg *.mpe *.mpeg *.m1v *.mp2 *.m2v *.mp1 *.mlv)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="45"/>
        <source>MPEG-4 Audio Files (*.m4a *.m4b *.mp4)</source>
        <translation>MPEG-4-Audiodateien (*.m4a *.m4b *.mp4)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="46"/>
        <source>MPEG4 TS HD Video (*.ts)</source>
        <translation>MPEG4-TS-HD-Video (*.ts)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="47"/>
        <source>MPEG-4 Video Files (*.mp4 *.m4v *.mpv *.psp)</source>
        <translation>MPEG-4-Videodateien (*.mp4 *.m4v *.mpv *.psp)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="48"/>
        <source>Musepack (*.mpc *.mp+ *.mpp)</source>
        <translation>Musepack (*.mpc *.mp+ *.mpp)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="49"/>
        <source>Nullsoft Audio/Video Files (*.nsv *.nsa)</source>
        <translation>Nullsoft-Audio-/Videodateien (*.nsv *.nsa)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="50"/>
        <source>NUT Files (*.nut)</source>
        <translation>NUT-Dateien (*.nut)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="51"/>
        <source>OGG Files (*.ogg *.oga *.ogm *.ogv *.ogx)</source>
        <translation>OGG-Dateien (*.ogg *.oga *.ogm *.ogv *.ogx)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="52"/>
        <source>Opus Files (*.opus)</source>
        <translation>Opus-Dateien (*.opus)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="53"/>
        <source>QuickTime Files (*.mov *.qt)</source>
        <translation>QuickTime-Dateien (*.mov *.qt)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="54"/>
        <source>Raw h261 Files (*.h261)</source>
        <translation>Rohe H.261-Dateien (*.h261)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="55"/>
        <source>Raw h263 Files (*.h263)</source>
        <translation>Rohe H.263-Dateien (*.h263)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="56"/>
        <source>Raw h264 Video Files (*.h264 *.264)</source>
        <translation>Rohe H.264-Videodateien (*.h264 *.264)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="57"/>
        <source>Real Audio Files (*.ra *.ram)</source>
        <translation>Real-Audiodateien (*.ra *.ram)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="58"/>
        <source>Real Media Files (*.rm *.rmvb)</source>
        <translation>Real-Media-Dateien (*.rm *.rmvb)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="59"/>
        <source>Speex (*.spx)</source>
        <translation>Speex (*.spx)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="60"/>
        <source>The True Audio (*.tta)</source>
        <translation>The True Audio (*.tta)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="61"/>
        <source>VCD Video Files (*.dat)</source>
        <translation>VCD-Videodateien (*.dat)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="62"/>
        <source>WAV Files (*.wav *.wave)</source>
        <translation>WAV-Dateien (*.wav *.wave)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="63"/>
        <source>WavPack (*.wv)</source>
        <translation>WavPack (*.wv)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="64"/>
        <source>Windows Media Files (*.wma *.asf *.wmv *.wm *.wmd *.xwmv)</source>
        <translation>Windows-Media-Dateien (*.wma *.asf *.wmv *.wm *.wmd *.xwmv)</translation>
    </message>
    <message>
        <location filename="../src/base/filetypes.cpp" line="65"/>
        <source>YUV Video Files (*.yuv)</source>
        <translation>YUV-Videodateien (*.yuv)</translation>
    </message>
    <message>
        <location filename="../src/app/openfilters.cpp" line="23"/>
        <source>All audio files (%1)</source>
        <translation>Alle Audiodateien (%1)</translation>
    </message>
    <message>
        <location filename="../src/app/openfilters.cpp" line="24"/>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>OptionPage</name>
    <message>
        <location filename="../src/app/options/optionpage.cpp" line="22"/>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation>Ungültiger Verstärkungsfaktor. Er liegt zwischen 10 und 3000.</translation>
    </message>
    <message>
        <location filename="../src/app/options/optionpage.cpp" line="166"/>
        <source>Same as original file</source>
        <translation>Wie Originaldatei</translation>
    </message>
</context>
<context>
    <name>OpusPage</name>
    <message>
        <location filename="../src/app/options/opuspage.cpp" line="30"/>
        <source>Speech (32 kbps)</source>
        <translation>Sprache (32 kbit/s)</translation>
    </message>
    <message>
        <location filename="../src/app/options/opuspage.cpp" line="31"/>
        <source>Music, good quality (96 kbps)</source>
        <translation>Musik, gute Qualität (96 kbit/s)</translation>
    </message>
    <message>
        <location filename="../src/app/options/opuspage.cpp" line="32"/>
        <source>Music, high quality (128 kbps)</source>
        <translation>Musik, hohe Qualität (128 kbit/s)</translation>
    </message>
    <message>
        <location filename="../src/app/options/opuspage.cpp" line="33"/>
        <source>Music, highest quality (192 kbps)</source>
        <translation>Musik, höchste Qualität (192 kbit/s)</translation>
    </message>
</context>
<context>
    <name>PresetPage</name>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="57"/>
        <location filename="../src/app/options/oggpage.cpp" line="16"/>
        <source>&amp;Bit Rate:</source>
        <translation>&amp;Bitrate:</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="58"/>
        <location filename="../src/app/options/oggpage.cpp" line="17"/>
        <source>%1 kbps</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="60"/>
        <source>&amp;Joint Stereo</source>
        <translation>&amp;Joint Stereo</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="60"/>
        <location filename="../src/app/options/oggpage.cpp" line="19"/>
        <location filename="../src/app/options/wavpage.cpp" line="19"/>
        <source>&amp;Stereo</source>
        <translation>&amp;Stereo</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="61"/>
        <location filename="../src/app/options/oggpage.cpp" line="19"/>
        <location filename="../src/app/options/wavpage.cpp" line="19"/>
        <source>&amp;Mono</source>
        <translation>&amp;Mono</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="61"/>
        <location filename="../src/app/options/oggpage.cpp" line="20"/>
        <location filename="../src/app/options/wavpage.cpp" line="20"/>
        <source>Same as &amp;original file</source>
        <translation>Wie &amp;Originaldatei</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="62"/>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 16 kbit/s, Mono (geringe Qualität, kleinere Datei)</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="64"/>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbit/s, Joint Stereo (brauchbare Qualität, kleine Datei)</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="66"/>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbit/s, Joint Stereo (mittlere Qualität, normale Größe)</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="68"/>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbit/s, Joint Stereo (nahezu CD-Qualität, große Datei)</translation>
    </message>
    <message>
        <location filename="../src/app/options/oggpage.cpp" line="21"/>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller size)</source>
        <translation>11025 Hz, 16 kbit/s, Mono (geringe Qualität, kleinere Datei)</translation>
    </message>
    <message>
        <location filename="../src/app/options/oggpage.cpp" line="23"/>
        <source>22050 Hz, 32 kbps, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbit/s, Stereo (brauchbare Qualität, kleine Datei)</translation>
    </message>
    <message>
        <location filename="../src/app/options/oggpage.cpp" line="25"/>
        <source>32000 Hz, 96 kbps, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbit/s, Stereo (mittlere Qualität, normale Größe)</translation>
    </message>
    <message>
        <location filename="../src/app/options/oggpage.cpp" line="27"/>
        <source>44100Hz, 128 kbps, Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbit/s, Stereo (nahezu CD-Qualität, große Datei)</translation>
    </message>
    <message>
        <location filename="../src/app/options/wavpage.cpp" line="16"/>
        <source>&amp;Bits:</source>
        <translation>&amp;Bits:</translation>
    </message>
    <message>
        <location filename="../src/app/options/wavpage.cpp" line="17"/>
        <source>%1 bits</source>
        <translation>%1 Bit</translation>
    </message>
    <message>
        <location filename="../src/app/options/wavpage.cpp" line="29"/>
        <source>32 bit float</source>
        <translation>32 Bit Gleitkomma</translation>
    </message>
    <message>
        <location filename="../src/app/options/wavpage.cpp" line="21"/>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 8 Bit, Mono (geringe Qualität, kleinere Datei)</translation>
    </message>
    <message>
        <location filename="../src/app/options/wavpage.cpp" line="23"/>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 16 Bit, Stereo (brauchbare Qualität, kleine Datei)</translation>
    </message>
    <message>
        <location filename="../src/app/options/wavpage.cpp" line="25"/>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 16 Bit, Stereo (mittlere Qualität, normale Größe)</translation>
    </message>
    <message>
        <location filename="../src/app/options/wavpage.cpp" line="27"/>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation>44100 Hz, 16 Bit, Stereo (hohe Qualität, große Datei)</translation>
    </message>
</context>
<context>
    <name>QtBatchHost</name>
    <message>
        <location filename="../src/app/qtbatchhost.cpp" line="147"/>
        <source>Conversion finished</source>
        <translation>Umwandlung abgeschlossen</translation>
    </message>
    <message>
        <location filename="../src/app/qtbatchhost.cpp" line="148"/>
        <source>%1 of %2 file(s) converted to %3.</source>
        <translation>%1 von %2 Datei(en) in %3 umgewandelt.</translation>
    </message>
    <message>
        <location filename="../src/app/qtbatchhost.cpp" line="175"/>
        <source>Converting %1%</source>
        <translation>Umwandlung %1 %</translation>
    </message>
    <message>
        <location filename="../src/app/qtbatchhost.cpp" line="183"/>
        <source>%1 of %2 file(s) converted to %3, %4 running...</source>
        <translation>%1 von %2 Datei(en) in %3 umgewandelt, %4 laufen...</translation>
    </message>
    <message>
        <location filename="../src/app/qtbatchhost.cpp" line="191"/>
        <source>Converting %1 file(s) at once...</source>
        <translation>%1 Datei(en) werden gleichzeitig umgewandelt...</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <location filename="../src/app/qtdesktop.cpp" line="47"/>
        <source>About Tonewright</source>
        <translation>Über Tonewright</translation>
    </message>
    <message>
        <location filename="../src/app/qtdesktop.cpp" line="51"/>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
</context>
<context>
    <name>WebLinks</name>
    <message>
        <location filename="../src/app/weblinks.cpp" line="29"/>
        <source>Tonewright - very COOL application!!!</source>
        <translation>Tonewright – eine richtig COOLE Anwendung!!!</translation>
    </message>
    <message>
        <location filename="../src/app/weblinks.cpp" line="31"/>
        <source>Tonewright - a batch audio converter for the Linux desktop: fill a list with audio files and convert them all to MP3, WAV, Ogg Vorbis, AAC, MP4 or AMR.</source>
        <translation>Tonewright – ein Stapel-Audiokonverter für den Linux-Desktop: eine Liste mit Audiodateien füllen und alle in MP3, WAV, Ogg Vorbis, AAC, MP4 oder AMR umwandeln.</translation>
    </message>
</context>
<context>
    <name>tonewright::AacPage</name>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="85"/>
        <source>A&amp;uto (let the program choose the best parameters)</source>
        <translation>A&amp;utomatisch (das Programm wählt die besten Parameter)</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="88"/>
        <source>Use &amp;Temporal Noise Shaping (TNS)</source>
        <translation>&amp;Temporal Noise Shaping (TNS) verwenden</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="89"/>
        <source>Allow &amp;Mid/Side</source>
        <translation>&amp;Mid/Side erlauben</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="90"/>
        <source>Encoder</source>
        <translation>Encoder</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="95"/>
        <source>%1 kbps</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="100"/>
        <source>Average &amp;Bit Rate (ABR)</source>
        <translation>Mittlere &amp;Bitrate (ABR)</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="100"/>
        <source>&amp;Variable Bit Rate (VBR)</source>
        <translation>&amp;Variable Bitrate (VBR)</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="103"/>
        <source>Bit &amp;Rate:</source>
        <translation>Bit&amp;rate:</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="107"/>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualität:</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="111"/>
        <source>(Default: 100. From 10 to 500)</source>
        <translation>(Standard: 100. Von 10 bis 500)</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="117"/>
        <source>MPEG version:</source>
        <translation>MPEG-Version:</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="118"/>
        <source>MPEG&amp;4</source>
        <translation>MPEG&amp;4</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="118"/>
        <source>MPEG&amp;2</source>
        <translation>MPEG&amp;2</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="125"/>
        <source>Block type:</source>
        <translation>Blocktyp:</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="127"/>
        <source>B&amp;oth long and short</source>
        <translation>Lang und k&amp;urz</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="127"/>
        <source>No &amp;short</source>
        <translation>&amp;Kein kurzer</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="127"/>
        <source>&amp;No long</source>
        <translation>Kein &amp;langer</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="133"/>
        <source>Not adjustable: the AAC encoder chooses long and short blocks itself.</source>
        <translation>Nicht einstellbar: Der AAC-Encoder wählt lange und kurze Blöcke selbst.</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="138"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../src/app/options/aacpage.cpp" line="194"/>
        <source>Invalid quality value. It&apos;s betwen 10 and 500.</source>
        <translation>Ungültiger Qualitätswert. Er liegt zwischen 10 und 500.</translation>
    </message>
</context>
<context>
    <name>tonewright::AmplifyBlock</name>
    <message>
        <location filename="../src/app/options/optionpage.cpp" line="69"/>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <location filename="../src/app/options/optionpage.cpp" line="72"/>
        <source>&amp;Amplify / Reduce sound</source>
        <translation>Lautstärke &amp;anheben / absenken</translation>
    </message>
    <message>
        <location filename="../src/app/options/optionpage.cpp" line="80"/>
        <source>&amp;Coefficient:</source>
        <translation>&amp;Faktor:</translation>
    </message>
    <message>
        <location filename="../src/app/options/optionpage.cpp" line="82"/>
        <source>&lt; 100% - Reduce sound
= 100% - No changes
&gt; 100% - Amplify sound</source>
        <translation>&lt; 100 % – leiser
= 100 % – unverändert
&gt; 100 % – lauter</translation>
    </message>
</context>
<context>
    <name>tonewright::AmrPage</name>
    <message>
        <location filename="../src/app/options/amrpage.cpp" line="48"/>
        <source>&amp;Enable DTX (Discontinuous Transmission)</source>
        <translation>DTX (diskontinuierliche Übertragung) &amp;einschalten</translation>
    </message>
    <message>
        <location filename="../src/app/options/amrpage.cpp" line="49"/>
        <source>Enable &amp;DTX (Discontinuous Transmission)</source>
        <translation>&amp;DTX (diskontinuierliche Übertragung) einschalten</translation>
    </message>
    <message>
        <location filename="../src/app/options/amrpage.cpp" line="51"/>
        <source>AMR Encoding Parameters</source>
        <translation>AMR-Kodierparameter</translation>
    </message>
    <message>
        <location filename="../src/app/options/amrpage.cpp" line="53"/>
        <source>NB (Narrow Band, 8000 Hz)</source>
        <translation>NB (Schmalband, 8000 Hz)</translation>
    </message>
    <message>
        <location filename="../src/app/options/amrpage.cpp" line="54"/>
        <source>WB (Wide Band, 16000 Hz)</source>
        <translation>WB (Breitband, 16000 Hz)</translation>
    </message>
    <message>
        <location filename="../src/app/options/amrpage.cpp" line="66"/>
        <source>AWB Encoding Parameters</source>
        <translation>AWB-Kodierparameter</translation>
    </message>
    <message>
        <location filename="../src/app/options/amrpage.cpp" line="68"/>
        <source>Sample Frequency: 16000 Hz</source>
        <translation>Abtastrate: 16000 Hz</translation>
    </message>
    <message>
        <location filename="../src/app/options/amrpage.cpp" line="69"/>
        <source>Bit &amp;Rate:</source>
        <translation>Bit&amp;rate:</translation>
    </message>
</context>
<context>
    <name>tonewright::CancellableProgress</name>
    <message>
        <location filename="../src/app/progresswindow.cpp" line="32"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tonewright::DesktopNotifications</name>
    <message>
        <location filename="../src/app/desktopnotifications.cpp" line="41"/>
        <source>Show in folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
</context>
<context>
    <name>tonewright::FileListWidget</name>
    <message>
        <location filename="../src/app/filelistmodel.cpp" line="25"/>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location filename="../src/app/filelistmodel.cpp" line="26"/>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <location filename="../src/app/filelistmodel.cpp" line="27"/>
        <source>Bit Rate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <location filename="../src/app/filelistmodel.cpp" line="28"/>
        <source>Freq.</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <location filename="../src/app/filelistmodel.cpp" line="29"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location filename="../src/app/filelistmodel.cpp" line="30"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>tonewright::FlacPage</name>
    <message>
        <location filename="../src/app/options/flacpage.cpp" line="46"/>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <location filename="../src/app/options/flacpage.cpp" line="52"/>
        <source>&amp;Encoding Options:</source>
        <translation>&amp;Kodieroptionen:</translation>
    </message>
    <message>
        <location filename="../src/app/options/flacpage.cpp" line="53"/>
        <source>&amp;Compression level:</source>
        <translation>Kompressions&amp;stufe:</translation>
    </message>
    <message>
        <location filename="../src/app/options/flacpage.cpp" line="55"/>
        <source>Lossless: the sample frequency and the sample width of the original file are kept (24 bits for wider samples).</source>
        <translation>Verlustfrei: Abtastrate und Bittiefe der Originaldatei bleiben erhalten (24 Bit bei größerer Bittiefe).</translation>
    </message>
</context>
<context>
    <name>tonewright::FormatSelector</name>
    <message>
        <location filename="../src/app/formatselector.cpp" line="18"/>
        <source> to %1</source>
        <translation> in %1</translation>
    </message>
</context>
<context>
    <name>tonewright::GeneralPage</name>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="58"/>
        <source>Same as original file</source>
        <translation>Wie Originaldatei</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="59"/>
        <source>A custom folder</source>
        <translation>Ein eigener Ordner</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="63"/>
        <source>Bro&amp;wse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="64"/>
        <source>O&amp;pen</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="65"/>
        <source>&amp;Create folders according to path of original file</source>
        <translation>Ordner nach dem &amp;Pfad der Originaldatei anlegen</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="68"/>
        <source>For example: original file is &quot;/home/me/Music/pop/1.mp3&quot; and output folder is &quot;/data/Output&quot;. If the option is checked, the output folder will be &quot;/data/Output/home/me/Music/pop&quot;.</source>
        <translation>Beispiel: Die Originaldatei ist „/home/me/Music/pop/1.mp3“ und der Ausgabeordner „/data/Output“. Ist die Option gewählt, wird „/data/Output/home/me/Music/pop“ der Ausgabeordner.</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="81"/>
        <source>Auto rename (add number at end of file name)</source>
        <translation>Automatisch umbenennen (Nummer an den Dateinamen anhängen)</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="82"/>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="83"/>
        <source>Skip (not convert)</source>
        <translation>Überspringen (nicht umwandeln)</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="89"/>
        <source>Output files to M&amp;y Documents if creating file failure</source>
        <translation>In „Eigene Do&amp;kumente“ schreiben, wenn die Datei nicht angelegt werden kann</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="91"/>
        <source>&amp;Browse output folder when conversion completes</source>
        <translation>Ausgabeordner nach der Umwandlung &amp;zeigen</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="94"/>
        <source>Mix &amp;surround down to stereo or mono (centre and surrounds at -3 dB); else keep the front pair</source>
        <translation>&amp;Surround zu Stereo oder Mono abmischen (Mitte und Surround mit -3 dB); sonst das vordere Paar behalten</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="97"/>
        <source>&amp;Dither when storing more than 16 bits in 16</source>
        <translation>Beim Speichern von mehr als 16 Bit in 16 Bit d&amp;ithern</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="101"/>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>&amp;Nur diese Dateiendungen bei „Ordner hinzufügen“ und Ziehen/Ablegen aufnehmen</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="108"/>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="110"/>
        <source>&amp;Output folder:</source>
        <translation>&amp;Ausgabeordner:</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="115"/>
        <source>Custom &amp;folder:</source>
        <translation>Eigener &amp;Ordner:</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="120"/>
        <source>Na&amp;me pattern:</source>
        <translation>Namens&amp;muster:</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="75"/>
        <source>Empty: the original file&apos;s name. E.g. %artist%/%album%/%track:2% %title%</source>
        <translation>Leer: der Name der Originaldatei. Z. B. %artist%/%album%/%track:2% %title%</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="76"/>
        <source>The converted file&apos;s path below the output folder, from the original file&apos;s tags. Fields: %1. %artist|title% takes the first that is not empty; %track:2% gives at least two digits.</source>
        <translation>Der Pfad der umgewandelten Datei unterhalb des Ausgabeordners, aus den Tags der Originaldatei. Felder: %1. %artist|title% nimmt das erste, das nicht leer ist; %track:2% ergibt mindestens zwei Ziffern.</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="219"/>
        <source>The name pattern cannot be used: %1</source>
        <translation>Das Namensmuster ist nicht verwendbar: %1</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="123"/>
        <source>If target file &amp;exists </source>
        <translation>Wenn die Zieldatei &amp;existiert </translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="124"/>
        <source>Convert files &amp;at once:</source>
        <translation>&amp;Gleichzeitig umwandeln:</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="130"/>
        <source>Mono output</source>
        <translation>Mono-Ausgabe</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="132"/>
        <source>When converting to audio format, e.g. MP3, WAV, WMA, etc., if output channel is mono and original file is stereo, output sound equals to:</source>
        <translation>Wenn beim Umwandeln in ein Audioformat wie MP3, WAV oder WMA die Ausgabe mono und die Originaldatei stereo ist, entspricht der Ausgabeton:</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="146"/>
        <source>(L+R) / &amp;2</source>
        <translation>(L+R) / &amp;2</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="146"/>
        <source>&amp;L channel</source>
        <translation>&amp;Linker Kanal</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="146"/>
        <source>&amp;R channel</source>
        <translation>&amp;Rechter Kanal</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="151"/>
        <source>Surround and high-resolution sources</source>
        <translation>Surround- und hochauflösende Quellen</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="156"/>
        <source>Extension filter</source>
        <translation>Endungsfilter</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="161"/>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>Hinweis: Mehrere Endungen durch Komma (,) trennen. Beispiel: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="188"/>
        <source>Please choose an output folder:</source>
        <translation>Bitte einen Ausgabeordner wählen:</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="200"/>
        <source>The folder &quot;%1&quot; doesn&apos;t exist yet.

Note: the program will create the folder automatically when converting files.</source>
        <translation>Der Ordner „%1“ existiert noch nicht.

Hinweis: Das Programm legt den Ordner beim Umwandeln automatisch an.</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="208"/>
        <source>In general, the output sound equals to &quot;(L+R)/2,&quot; which contains left and right channels.

&quot;L channel&quot; means the program outputs left channel of original stereo file. And &quot;R channel&quot; means right channel. It&apos;s very useful when you want to convert a stereo file into two files that contains left and right channels distinguishingly.</source>
        <translation>Normalerweise entspricht der Ausgabeton „(L+R)/2“ und enthält den linken und den rechten Kanal.

„Linker Kanal“ heißt, das Programm gibt den linken Kanal der Stereo-Originaldatei aus, „Rechter Kanal“ entsprechend den rechten. Das ist nützlich, um eine Stereodatei in zwei Dateien mit getrenntem linken und rechten Kanal umzuwandeln.</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="216"/>
        <source>Please choose an output folder.</source>
        <translation>Bitte einen Ausgabeordner wählen.</translation>
    </message>
    <message>
        <location filename="../src/app/options/generalpage.cpp" line="222"/>
        <source>Please enter file extensions you need to filter.</source>
        <translation>Bitte die Dateiendungen eingeben, nach denen gefiltert werden soll.</translation>
    </message>
</context>
<context>
    <name>tonewright::MainWindow</name>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="35"/>
        <source>You should select a file at least.</source>
        <translation>Bitte mindestens eine Datei auswählen.</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="36"/>
        <source>There aren&apos;t files in list.</source>
        <translation>Die Liste enthält keine Dateien.</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="48"/>
        <source>&amp;Play Source</source>
        <translation>Quelle &amp;abspielen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="49"/>
        <source>Play &amp;Destination</source>
        <translation>&amp;Ziel abspielen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="52"/>
        <source>&amp;Convert Selected</source>
        <translation>Auswahl &amp;umwandeln</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="53"/>
        <source>Convert All</source>
        <translation>Alle umwandeln</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="55"/>
        <source>Browse &amp;Source Folder</source>
        <translation>&amp;Quellordner zeigen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="57"/>
        <source>Browse Destination &amp;Folder</source>
        <translation>Ziel&amp;ordner zeigen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="60"/>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>Dateien &amp;hinzufügen...	Strg+O</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="61"/>
        <source>Add F&amp;older</source>
        <translation>Ord&amp;ner hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="62"/>
        <source>&amp;Remove	Del</source>
        <translation>&amp;Entfernen	Entf</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="63"/>
        <source>Remove Al&amp;l</source>
        <translation>A&amp;lle entfernen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="114"/>
        <source>&amp;Add Files</source>
        <translation>Dateien &amp;hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="114"/>
        <source>Add files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="115"/>
        <source>Add &amp;Folder</source>
        <translation>&amp;Ordner hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="115"/>
        <source>Add files from a folder</source>
        <translation>Dateien aus einem Ordner hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="116"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="116"/>
        <source>Remove the selected files from the list</source>
        <translation>Die ausgewählten Dateien aus der Liste entfernen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="117"/>
        <source>Remove A&amp;ll</source>
        <translation>A&amp;lle entfernen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="117"/>
        <source>Remove all files in list</source>
        <translation>Alle Dateien aus der Liste entfernen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="120"/>
        <source>&amp;Convert</source>
        <translation>&amp;Umwandeln</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="120"/>
        <source>Convert all files</source>
        <translation>Alle Dateien umwandeln</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="121"/>
        <source>&amp;Options</source>
        <translation>O&amp;ptionen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="121"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="151"/>
        <source>Output format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="152"/>
        <source>Out&amp;put format:</source>
        <translation>&amp;Ausgabeformat:</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="158"/>
        <source>&amp;Help</source>
        <translation>H&amp;ilfe</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="159"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="174"/>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Hilfethemen	F1</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="176"/>
        <source>&amp;Tell A Friend</source>
        <translation>&amp;Weiterempfehlen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="177"/>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Rückmeldung und Hilfe</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="178"/>
        <source>Home&amp;page</source>
        <translation>Home&amp;page</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="179"/>
        <source>&amp;Check Latest Version</source>
        <translation>Neueste &amp;Version prüfen</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="181"/>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="235"/>
        <source>Please choose a folder:</source>
        <translation>Bitte einen Ordner wählen:</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="332"/>
        <source>&lt;h3&gt;Tonewright %1&lt;/h3&gt;&lt;p&gt;A batch audio converter for the Linux desktop.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tonewright %1&lt;/h3&gt;&lt;p&gt;Ein Stapel-Audiokonverter für den Linux-Desktop.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tonewright::Mp3Page</name>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="88"/>
        <source>V%1 ≈ %2 kbit/s</source>
        <translation>V%1 ≈ %2 kbit/s</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="91"/>
        <source>Constant bit rate (CBR)</source>
        <translation>Konstante Bitrate (CBR)</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="91"/>
        <source>Variable bit rate (VBR)</source>
        <translation>Variable Bitrate (VBR)</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="91"/>
        <source>Encodin&amp;g mode:</source>
        <translation>Kodier&amp;verfahren:</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="92"/>
        <source>VBR &amp;quality:</source>
        <translation>VBR-&amp;Qualität:</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="93"/>
        <source>&amp;Write the LAME/Info frame in constant-bit-rate files too (exact length, seeking)</source>
        <translation>&amp;LAME/Info-Frame auch bei konstanter Bitrate schreiben (genaue Länge, Spulen)</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="98"/>
        <source>Write ID3 tag as:</source>
        <translation>ID3-Tag schreiben als:</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="101"/>
        <source>ID3v&amp;1</source>
        <translation>ID3v&amp;1</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="101"/>
        <source>ID3v&amp;2</source>
        <translation>ID3v&amp;2</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="101"/>
        <source>I&amp;D3v1 &amp;&amp; ID3v2</source>
        <translation>I&amp;D3v1 &amp;&amp; ID3v2</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="110"/>
        <source>Joint Stereo vs. Stereo</source>
        <translation>Joint Stereo oder Stereo</translation>
    </message>
    <message>
        <location filename="../src/app/options/mp3page.cpp" line="113"/>
        <source>The program uses LAME MP3 encoder.</source>
        <translation>Das Programm verwendet den MP3-Encoder LAME.</translation>
    </message>
</context>
<context>
    <name>tonewright::OggPage</name>
    <message>
        <location filename="../src/app/options/oggpage.cpp" line="41"/>
        <source>Bit rate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <location filename="../src/app/options/oggpage.cpp" line="41"/>
        <source>Quality (variable bit rate)</source>
        <translation>Qualität (variable Bitrate)</translation>
    </message>
    <message>
        <location filename="../src/app/options/oggpage.cpp" line="41"/>
        <source>Encodin&amp;g mode:</source>
        <translation>Kodier&amp;verfahren:</translation>
    </message>
    <message>
        <location filename="../src/app/options/oggpage.cpp" line="42"/>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualität:</translation>
    </message>
</context>
<context>
    <name>tonewright::OptionsSheet</name>
    <message>
        <location filename="../src/app/options/optionssheet.cpp" line="44"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location filename="../src/app/options/optionssheet.cpp" line="55"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
</context>
<context>
    <name>tonewright::OpusPage</name>
    <message>
        <location filename="../src/app/options/opuspage.cpp" line="52"/>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <location filename="../src/app/options/opuspage.cpp" line="54"/>
        <source> kbps</source>
        <translation> kbit/s</translation>
    </message>
    <message>
        <location filename="../src/app/options/opuspage.cpp" line="57"/>
        <source>Variable bit rate (VBR)</source>
        <translation>Variable Bitrate (VBR)</translation>
    </message>
    <message>
        <location filename="../src/app/options/opuspage.cpp" line="57"/>
        <source>Constrained variable bit rate</source>
        <translation>Begrenzt variable Bitrate</translation>
    </message>
    <message>
        <location filename="../src/app/options/opuspage.cpp" line="58"/>
        <source>Constant bit rate (CBR)</source>
        <translation>Konstante Bitrate (CBR)</translation>
    </message>
    <message>
        <location filename="../src/app/options/opuspage.cpp" line="66"/>
        <source>&amp;Encoding Options:</source>
        <translation>Kodier&amp;optionen:</translation>
    </message>
    <message>
        <location filename="../src/app/options/opuspage.cpp" line="67"/>
        <source>&amp;Bit rate:</source>
        <translation>Bit&amp;rate:</translation>
    </message>
    <message>
        <location filename="../src/app/options/opuspage.cpp" line="68"/>
        <source>&amp;Mode:</source>
        <translation>&amp;Modus:</translation>
    </message>
    <message>
        <location filename="../src/app/options/opuspage.cpp" line="69"/>
        <source>Com&amp;plexity (10 best, slowest):</source>
        <translation>Kom&amp;plexität (10 am besten, am langsamsten):</translation>
    </message>
    <message>
        <location filename="../src/app/options/opuspage.cpp" line="71"/>
        <source>The sample frequency of the original file is kept: Opus encodes at 48000 Hz and notes the original frequency in the file.</source>
        <translation>Die Abtastrate der Originaldatei bleibt erhalten: Opus kodiert mit 48000 Hz und vermerkt die ursprüngliche Abtastrate in der Datei.</translation>
    </message>
</context>
<context>
    <name>tonewright::PresetPage</name>
    <message>
        <location filename="../src/app/options/presetpage.cpp" line="45"/>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location filename="../src/app/options/presetpage.cpp" line="51"/>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location filename="../src/app/options/presetpage.cpp" line="53"/>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <location filename="../src/app/options/presetpage.cpp" line="54"/>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <location filename="../src/app/options/presetpage.cpp" line="62"/>
        <source>&amp;Encoding Options:</source>
        <translation>&amp;Kodieroptionen:</translation>
    </message>
    <message>
        <location filename="../src/app/options/presetpage.cpp" line="64"/>
        <source>Sample &amp;Frequency:</source>
        <translation>&amp;Abtastrate:</translation>
    </message>
    <message>
        <location filename="../src/app/options/presetpage.cpp" line="71"/>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
</context>
<context>
    <name>tonewright::TagBlock</name>
    <message>
        <location filename="../src/app/options/optionpage.cpp" line="112"/>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <location filename="../src/app/options/optionpage.cpp" line="117"/>
        <source>Edit ID3 &amp;tag</source>
        <translation>ID3-&amp;Tag bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/app/options/optionpage.cpp" line="123"/>
        <source>Add &amp;ID3 tag</source>
        <translation>&amp;ID3-Tag hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/app/options/optionpage.cpp" line="123"/>
        <source>T&amp;ransfer ID3 tag from source file</source>
        <translation>ID3-Tag aus der Quelldatei ü&amp;bernehmen</translation>
    </message>
    <message>
        <location filename="../src/app/options/optionpage.cpp" line="124"/>
        <source>&amp;None</source>
        <translation>Kei&amp;ner</translation>
    </message>
    <message>
        <location filename="../src/app/options/optionpage.cpp" line="118"/>
        <source>Use the &amp;folder&apos;s cover picture when the source has none</source>
        <translation>&amp;Coverbild des Ordners nehmen, wenn die Quelle keines hat</translation>
    </message>
    <message>
        <location filename="../src/app/options/optionpage.cpp" line="138"/>
        <source>cover.jpg, cover.png, folder.jpg or front.jpg beside the source</source>
        <translation>cover.jpg, cover.png, folder.jpg oder front.jpg neben der Quelldatei</translation>
    </message>
</context>
<context>
    <name>tonewright::TagEditDialog</name>
    <message>
        <location filename="../src/app/options/tageditdialog.cpp" line="28"/>
        <source>Edit ID3 Tag</source>
        <translation>ID3-Tag bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/app/options/tageditdialog.cpp" line="30"/>
        <source>Track number</source>
        <translation>Titelnummer</translation>
    </message>
    <message>
        <location filename="../src/app/options/tageditdialog.cpp" line="34"/>
        <source>&amp;None</source>
        <translation>&amp;Keiner</translation>
    </message>
    <message>
        <location filename="../src/app/options/tageditdialog.cpp" line="34"/>
        <source>&amp;Sequence number in list</source>
        <translation>&amp;Position in der Liste</translation>
    </message>
    <message>
        <location filename="../src/app/options/tageditdialog.cpp" line="34"/>
        <source>C&amp;ustom</source>
        <translation>&amp;Eigene</translation>
    </message>
    <message>
        <location filename="../src/app/options/tageditdialog.cpp" line="45"/>
        <source>Nam&amp;e as file name (not include extension)</source>
        <translation>Tit&amp;el wie Dateiname (ohne Endung)</translation>
    </message>
    <message>
        <location filename="../src/app/options/tageditdialog.cpp" line="49"/>
        <source>T&amp;itle:</source>
        <translation>T&amp;itel:</translation>
    </message>
    <message>
        <location filename="../src/app/options/tageditdialog.cpp" line="51"/>
        <source>&amp;Artist:</source>
        <translation>&amp;Interpret:</translation>
    </message>
    <message>
        <location filename="../src/app/options/tageditdialog.cpp" line="52"/>
        <source>Albu&amp;m:</source>
        <translation>Albu&amp;m:</translation>
    </message>
    <message>
        <location filename="../src/app/options/tageditdialog.cpp" line="53"/>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <location filename="../src/app/options/tageditdialog.cpp" line="63"/>
        <source>&amp;Genre:</source>
        <translation>&amp;Genre:</translation>
    </message>
    <message>
        <location filename="../src/app/options/tageditdialog.cpp" line="64"/>
        <source>&amp;Comment:</source>
        <translation>&amp;Kommentar:</translation>
    </message>
    <message>
        <location filename="../src/app/options/tageditdialog.cpp" line="65"/>
        <source>C&amp;omposer:</source>
        <translation>K&amp;omponist:</translation>
    </message>
    <message>
        <location filename="../src/app/options/tageditdialog.cpp" line="66"/>
        <source>Co&amp;pyright:</source>
        <translation>Co&amp;pyright:</translation>
    </message>
</context>
<context>
    <name>tonewright::WmaPage</name>
    <message>
        <location filename="../src/app/options/wmapage.cpp" line="26"/>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <translation>&amp;Kodieroptionen: (Abtastrate, Bitrate, Kanäle)</translation>
    </message>
    <message>
        <location filename="../src/app/options/wmapage.cpp" line="42"/>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location filename="../src/app/options/wmapage.cpp" line="48"/>
        <source>%1 Hz, %2 kbps, %3</source>
        <translation>%1 Hz, %2 kbit/s, %3</translation>
    </message>
    <message>
        <location filename="../src/app/options/wmapage.cpp" line="51"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location filename="../src/app/options/wmapage.cpp" line="51"/>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
</context>
</TS>
