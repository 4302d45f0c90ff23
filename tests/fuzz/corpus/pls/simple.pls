[playlist]
File1=a.mp3
Title1=First
File2=file:///x/b.ogg
file10=c.wav
NumberOfEntries=3
Version=2
