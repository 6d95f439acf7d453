13
existing.txt
fresh.txt
5000
5002
