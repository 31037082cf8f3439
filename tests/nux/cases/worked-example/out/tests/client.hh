[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"client.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<tests/clientUtils>
[hh.declare.include] interface_name=<Bank.Account> server_identifier=<acct> hhfile=<bank.hh>
[hh.declare] interface_name=<Bank.Account> server_identifier=<acct>
[hh.test.begin] testnum=<1>

[hh.end] header_check=<hTIMEhPIDhN_h>
