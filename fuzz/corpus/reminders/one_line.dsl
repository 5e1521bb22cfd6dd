;09/06/2006|18:00|Costa rica|Germany|a
